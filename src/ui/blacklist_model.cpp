#include "blacklist_model.h"

namespace korrelang::ui {

BlacklistModel::BlacklistModel(QObject* parent) : ListModel(parent) {}

QVariant BlacklistModel::rowData(int row, int role) const {
    const App& app = m_apps.at(row);
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
    resetRows([&] { m_apps = apps; });
}

}  // namespace korrelang::ui
