#include "direction_row_model.h"

namespace korrelang::ui {

DirectionRowModel::DirectionRowModel(QList<Row> rows, QObject* parent)
    : ListModel(parent), m_rows(std::move(rows)) {}

void DirectionRowModel::setRows(const QList<Row>& rows) {
    if (rows == m_rows) {
        return;
    }
    if (rows.size() == m_rows.size()) {
        // New figures in the same rows: the views keep their delegates instead of making new
        // ones for every conversion.
        m_rows = rows;
        emit dataChanged(index(0), index(size() - 1));
        return;
    }
    resetRows([&] { m_rows = rows; });
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
