#include "direction_group_model.h"

namespace korrelang::ui {

DirectionGroupModel::DirectionGroupModel(QObject* parent) : QAbstractListModel(parent) {}

DirectionGroupModel::~DirectionGroupModel() = default;

int DirectionGroupModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_groups.size());
}

QVariant DirectionGroupModel::data(const QModelIndex& index, int role) const {
    if (role != RowsRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    return QVariant::fromValue(m_groups.at(index.row()));
}

QHash<int, QByteArray> DirectionGroupModel::roleNames() const {
    return {{RowsRole, "rows"}};
}

DirectionRowModel* DirectionGroupModel::group(int index) const {
    return index >= 0 && index < m_groups.size() ? m_groups.at(index) : nullptr;
}

void DirectionGroupModel::setGroups(const QList<QList<DirectionRowModel::Row>>& groups) {
    if (groups.size() == m_groups.size()) {
        bool same = true;
        for (qsizetype i = 0; i < groups.size() && same; ++i) {
            same = groups[i] == m_groups[i]->rows();
        }
        if (same) {
            return;
        }
    }
    const qsizetype before = m_groups.size();
    beginResetModel();
    // The old cards' delegates may still be finishing their bindings: the row lists go once the
    // event loop runs, not under them.
    for (DirectionRowModel* old : m_groups) {
        old->deleteLater();
    }
    m_groups.clear();
    for (const QList<DirectionRowModel::Row>& rows : groups) {
        m_groups.append(new DirectionRowModel(rows, this));
    }
    endResetModel();
    if (m_groups.size() != before) {
        emit countChanged();
    }
}

}  // namespace korrelang::ui
