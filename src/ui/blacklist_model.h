#pragma once

#include <QtQml/qqmlregistration.h>

#include <QList>
#include <QString>

#include "list_model.h"

namespace korrelang::ui {

/// The applications in which conversion is off, in the order they were added, each with the
/// name the desktop gives it.
class BlacklistModel : public korrelang::ui::ListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by the preferences' view model")

public:
    enum Role { AppIdRole = Qt::UserRole + 1, NameRole };
    Q_ENUM(Role)

    struct App {
        QString id;
        QString name;

        friend bool operator==(const App&, const App&) = default;
    };

    explicit BlacklistModel(QObject* parent = nullptr);

    QHash<int, QByteArray> roleNames() const override;

    const QList<App>& apps() const { return m_apps; }
    /// Replaces the list; an unchanged list announces nothing.
    void setApps(const QList<App>& apps);

private:
    int size() const override { return static_cast<int>(m_apps.size()); }
    QVariant rowData(int row, int role) const override;

    QList<App> m_apps;
};

}  // namespace korrelang::ui
