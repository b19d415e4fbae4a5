#include "accessibility_bus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace korrelang::platform::atspi {

namespace {

QDBusMessage propertyCall(const char* method) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", method);
    message << QString("org.a11y.Status") << QString("IsEnabled");
    return message;
}

}  // namespace

std::optional<bool> AccessibilityBus::isEnabled(std::chrono::milliseconds timeout) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return std::nullopt;
    }
    const QDBusMessage reply =
        bus.call(propertyCall("Get"), QDBus::Block, static_cast<int>(timeout.count()));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return std::nullopt;
    }
    return reply.arguments().first().value<QDBusVariant>().variant().toBool();
}

bool AccessibilityBus::enable(std::chrono::milliseconds timeout) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    QDBusMessage message = propertyCall("Set");
    message << QVariant::fromValue(QDBusVariant(true));
    const QDBusMessage reply = bus.call(message, QDBus::Block, static_cast<int>(timeout.count()));
    return reply.type() == QDBusMessage::ReplyMessage;
}

}  // namespace korrelang::platform::atspi
