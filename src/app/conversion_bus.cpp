#include "conversion_bus.h"

#include <QDBusConnection>
#include <QDBusError>

#include "platform/log.h"
#include "service/hotkey_service.h"

namespace korrelang::app {

ConversionBus::~ConversionBus() {
    if (m_published) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterService(kService);
        bus.unregisterObject(kPath);
    }
}

bool ConversionBus::publish(QString& error) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        error = "no session bus: " + bus.lastError().message();
        return false;
    }
    if (!bus.registerObject(kPath, this, QDBusConnection::ExportScriptableSlots)) {
        error = "cannot export " + QString(kPath);
        return false;
    }
    if (!bus.registerService(kService)) {
        bus.unregisterObject(kPath);
        error = "another instance owns " + QString(kService);
        return false;
    }
    m_published = true;
    return true;
}

void ConversionBus::Convert() {
    platform::logLine("📨 A conversion was asked for over D-Bus");
    m_hotkeys.hotkeyEntry();
}

}  // namespace korrelang::app
