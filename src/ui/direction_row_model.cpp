#include "direction_row_model.h"

namespace korrelang::ui {

DirectionRowModel::DirectionRowModel(QList<Row> rows, QObject* parent)
    : QAbstractListModel(parent), m_rows(std::move(rows)) {}

int DirectionRowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant DirectionRowModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const Row& row = m_rows.at(index.row());
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
