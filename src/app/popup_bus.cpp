#include "popup_bus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QTimer>
#include <cstdio>

namespace korrelang::app {

PopupBus::~PopupBus() {
    if (m_published) {
        QDBusConnection::sessionBus().unregisterObject(kPath);
    }
}

bool PopupBus::publish() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    m_published = bus.registerObject(kPath, this, QDBusConnection::ExportScriptableSlots);
    return m_published;
}

bool PopupBus::isRunning() {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()) {
        return false;
    }
    const QDBusReply<bool> owned = bus.interface()->isServiceRegistered(kService);
    return owned.isValid() && owned.value();
}

int PopupBus::requestShow() {
    const QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Show"));
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 5'000);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        std::fprintf(stderr, "korrelang: cannot reach the running instance: %s\n",
                     qPrintable(reply.errorMessage()));
        return 1;
    }
    std::printf("Korrelang is already running; its dashboard is open.\n");
    return 0;
}

void PopupBus::Show() {
    // Answer the caller first; the popup opens from the event loop.
    QTimer::singleShot(0, this, [this] {
        if (m_show) {
            m_show();
        }
    });
}

}  // namespace korrelang::app
