#include "keyboard_list_model.h"

namespace korrelang::ui {

KeyboardListModel::KeyboardListModel(QObject* parent) : QAbstractListModel(parent) {}

int KeyboardListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant KeyboardListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const Row& row = m_rows.at(index.row());
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
    const qsizetype before = m_rows.size();
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(keyboards.size());
    for (const Keyboard& keyboard : keyboards) {
        m_rows.append(Row{keyboard, selected.contains(keyboard.id)});
    }
    endResetModel();
    if (m_rows.size() != before) {
        emit countChanged();
    }
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
