#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>

namespace korrelang::platform::portal {

/// One pending portal request: listens for the Response on the request's object path and hands
/// it to a callback once. It subscribes before the call is made, on the path the portal will use
/// for the handle token, because the Response may arrive before the call's reply.
class PortalRequest : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void(unsigned code, const QVariantMap& results)>;

    /// Listens on the request path of `token` for this connection's unique name.
    PortalRequest(QDBusConnection connection, const QString& token, Handler handler,
                  QObject* parent = nullptr);
    ~PortalRequest() override;

    /// The portal returned another path than the expected one (old portals): listen there.
    void follow(const QString& path);
    const QString& path() const { return m_path; }

    /// The object path of a request for `token` sent over `connection`.
    static QString requestPath(const QDBusConnection& connection, const QString& token);

private slots:
    void onResponse(uint code, const QVariantMap& results);

private:
    void listen(bool on);

    QDBusConnection m_connection;
    QString m_path;
    Handler m_handler;
};

}  // namespace korrelang::platform::portal
