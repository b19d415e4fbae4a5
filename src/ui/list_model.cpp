#include "list_model.h"

namespace korrelang::ui {

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : size();
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    return rowData(index.row(), role);
}

void ListModel::resetRows(const std::function<void()>& replace) {
    const int before = size();
    beginResetModel();
    replace();
    endResetModel();
    if (size() != before) {
        emit countChanged();
    }
}

}  // namespace korrelang::ui
