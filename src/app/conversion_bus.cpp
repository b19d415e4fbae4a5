// GLib before Qt: Qt's "signals" keyword would break GLib's headers.
#include <gio/gio.h>
// This file's class, then Qt
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <cstdio>

#include "conversion_bus.h"
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
    m_hotkeys.hotkeyEntry();
}

int ConversionBus::requestConversion() {
    // A desktop shortcut starts a process per press: GDBus answers without Qt's bus machinery
    // (its library loaded at run time, its own thread), which the press would wait for.
    GError* error = nullptr;
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    if (!bus) {
        std::fprintf(stderr, "korrelang: no session bus: %s\n", error->message);
        g_error_free(error);
        return 1;
    }
    // An accessibility conversion answers within milliseconds; the clipboard paths reply as
    // soon as they are handed to the worker.
    GVariant* reply =
        g_dbus_connection_call_sync(bus, kService, kPath, kInterface, "Convert", nullptr, nullptr,
                                    G_DBUS_CALL_FLAGS_NONE, 10'000, nullptr, &error);
    g_object_unref(bus);
    if (!reply) {
        std::fprintf(stderr, "korrelang: cannot reach the running instance: %s\n", error->message);
        g_error_free(error);
        return 1;
    }
    g_variant_unref(reply);
    return 0;
}

}  // namespace korrelang::app
