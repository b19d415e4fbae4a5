#include "direction_group_model.h"

namespace korrelang::ui {

DirectionGroupModel::DirectionGroupModel(QObject* parent) : ListModel(parent) {}

DirectionGroupModel::~DirectionGroupModel() = default;

QVariant DirectionGroupModel::rowData(int row, int role) const {
    return role == RowsRole ? QVariant::fromValue(m_groups.at(row)) : QVariant();
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
    resetRows([&] {
        // The old cards' delegates may still be finishing their bindings: the row lists go once
        // the event loop runs, not under them.
        for (DirectionRowModel* old : m_groups) {
            old->deleteLater();
        }
        m_groups.clear();
        for (const QList<DirectionRowModel::Row>& rows : groups) {
            m_groups.append(new DirectionRowModel(rows, this));
        }
    });
}

}  // namespace korrelang::ui
