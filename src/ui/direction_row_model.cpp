#include "direction_row_model.h"

namespace korrelang::ui {

DirectionRowModel::DirectionRowModel(QList<Row> rows, QObject* parent)
    : ListModel(parent), m_rows(std::move(rows)) {}

void DirectionRowModel::setRows(const QList<Row>& rows) {
    if (rows != m_rows) {
        resetRows([&] { m_rows = rows; });
    }
}

QVariant DirectionRowModel::rowData(int position, int role) const {
    const Row& row = m_rows.at(position);
    switch (role) {
        case LabelRole:
        case Qt::DisplayRole:
            return row.label;
        case CurrentRole:
            return row.current;
        case FractionRole:
            return row.fraction;
        case ChangeTextRole:
            return row.changeText;
        case ChangeIsRiseRole:
            return row.changeIsRise;
        default:
            return {};
    }
}

QHash<int, QByteArray> DirectionRowModel::roleNames() const {
    return {{LabelRole, "label"},
            {CurrentRole, "current"},
            {FractionRole, "fraction"},
            {ChangeTextRole, "changeText"},
            {ChangeIsRiseRole, "changeIsRise"}};
}

}  // namespace korrelang::ui
