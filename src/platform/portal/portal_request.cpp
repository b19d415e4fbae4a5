#include "portal_request.h"

namespace korrelang::platform::portal {

namespace {
const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
}  // namespace

PortalRequest::PortalRequest(QDBusConnection connection, const QString& token, Handler handler,
                             QObject* parent)
    : QObject(parent),
      m_connection(std::move(connection)),
      m_path(requestPath(m_connection, token)),
      m_handler(std::move(handler)) {
    listen(true);
}

PortalRequest::~PortalRequest() {
    listen(false);
}

QString PortalRequest::requestPath(const QDBusConnection& connection, const QString& token) {
    QString sender = connection.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

void PortalRequest::follow(const QString& path) {
    if (path.isEmpty() || path == m_path) {
        return;
    }
    listen(false);
    m_path = path;
    listen(true);
}

void PortalRequest::listen(bool on) {
    if (on) {
        m_connection.connect(kPortalService, m_path, kRequestInterface, QStringLiteral("Response"),
                             this, SLOT(onResponse(uint, QVariantMap)));
    } else {
        m_connection.disconnect(kPortalService, m_path, kRequestInterface,
                                QStringLiteral("Response"), this,
                                SLOT(onResponse(uint, QVariantMap)));
    }
}

void PortalRequest::onResponse(uint code, const QVariantMap& results) {
    listen(false);
    // The handler may start the next request; this one is done either way.
    const Handler handler = std::move(m_handler);
    deleteLater();
    if (handler) {
        handler(code, results);
    }
}

}  // namespace korrelang::platform::portal
