#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QList>
#include <QString>

namespace korrelang::ui {

/// The applications in which conversion is off, in the order they were added, each with the
/// name the desktop gives it.
class BlacklistModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by the preferences' view model")
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role { AppIdRole = Qt::UserRole + 1, NameRole };
    Q_ENUM(Role)

    struct App {
        QString id;
        QString name;

        friend bool operator==(const App&, const App&) = default;
    };

    explicit BlacklistModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return static_cast<int>(m_apps.size()); }
    const QList<App>& apps() const { return m_apps; }
    /// Replaces the list; an unchanged list announces nothing.
    void setApps(const QList<App>& apps);

signals:
    void countChanged();

private:
    QList<App> m_apps;
};

}  // namespace korrelang::ui
