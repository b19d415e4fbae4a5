#include "keyboard_list_model.h"

namespace korrelang::ui {

KeyboardListModel::KeyboardListModel(QObject* parent) : ListModel(parent) {}

QVariant KeyboardListModel::rowData(int position, int role) const {
    const Row& row = m_rows.at(position);
    switch (role) {
        case KeyboardIdRole:
            return row.keyboard.id;
        case NameRole:
        case Qt::DisplayRole:
            return row.keyboard.name;
        case SelectedRole:
            return row.selected;
        default:
            return {};
    }
}

QHash<int, QByteArray> KeyboardListModel::roleNames() const {
    return {{KeyboardIdRole, "keyboardId"}, {NameRole, "name"}, {SelectedRole, "selected"}};
}

QStringList KeyboardListModel::ids() const {
    QStringList ids;
    ids.reserve(m_rows.size());
    for (const Row& row : m_rows) {
        ids.append(row.keyboard.id);
    }
    return ids;
}

void KeyboardListModel::setKeyboards(const QList<Keyboard>& keyboards,
                                     const QStringList& selected) {
    resetRows([&] {
        m_rows.clear();
        m_rows.reserve(keyboards.size());
        for (const Keyboard& keyboard : keyboards) {
            m_rows.append(Row{keyboard, selected.contains(keyboard.id)});
        }
    });
}

void KeyboardListModel::setSelection(const QStringList& selected) {
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const bool on = selected.contains(m_rows[i].keyboard.id);
        if (on != m_rows[i].selected) {
            m_rows[i].selected = on;
            const QModelIndex changed = index(static_cast<int>(i));
            emit dataChanged(changed, changed, {SelectedRole});
        }
    }
}

}  // namespace korrelang::ui
