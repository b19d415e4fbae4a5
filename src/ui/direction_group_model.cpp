#include "direction_group_model.h"

#include <algorithm>

namespace korrelang::ui {

DirectionGroupModel::DirectionGroupModel(QObject* parent) : ListModel(parent) {}

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
    // The figures change with every conversion: the cards there are take the new rows. A new
    // card model would give its delegate a new QML context, which the engine keeps until it
    // collects garbage, and an idle dashboard hardly ever does.
    const qsizetype kept = std::min(groups.size(), m_groups.size());
    for (qsizetype i = 0; i < kept; ++i) {
        m_groups[i]->setRows(groups[i]);
    }
    if (groups.size() == m_groups.size()) {
        return;
    }
    resetRows([&] {
        // The old cards' delegates may still be finishing their bindings: the row lists go once
        // the event loop runs, not under them.
        for (qsizetype i = kept; i < m_groups.size(); ++i) {
            m_groups[i]->deleteLater();
        }
        m_groups.resize(kept);
        for (qsizetype i = kept; i < groups.size(); ++i) {
            m_groups.append(new DirectionRowModel(groups[i], this));
        }
    });
}

}  // namespace korrelang::ui
