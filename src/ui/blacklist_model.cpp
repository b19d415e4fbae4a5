#include "blacklist_model.h"

namespace korrelang::ui {

BlacklistModel::BlacklistModel(QObject* parent) : QAbstractListModel(parent) {}

int BlacklistModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_apps.size());
}

QVariant BlacklistModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const App& app = m_apps.at(index.row());
    switch (role) {
        case AppIdRole:
            return app.id;
        case NameRole:
        case Qt::DisplayRole:
            return app.name;
        default:
            return {};
    }
}

QHash<int, QByteArray> BlacklistModel::roleNames() const {
    return {{AppIdRole, "appId"}, {NameRole, "name"}};
}

void BlacklistModel::setApps(const QList<App>& apps) {
    if (apps == m_apps) {
        return;
    }
    const qsizetype before = m_apps.size();
    beginResetModel();
    m_apps = apps;
    endResetModel();
    if (m_apps.size() != before) {
        emit countChanged();
    }
}

}  // namespace korrelang::ui
