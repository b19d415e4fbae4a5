#include "accessibility_status.h"

#include <QDBusConnection>

#include "accessibility_bus.h"

namespace korrelang::platform::atspi {

namespace {

const QString kService = QStringLiteral("org.a11y.Bus");
const QString kStatus = QStringLiteral("org.a11y.Status");
const QString kEnabled = QStringLiteral("IsEnabled");

}  // namespace

AccessibilityStatus::AccessibilityStatus()
    : m_owner(kService, QDBusConnection::sessionBus(), QDBusServiceWatcher::WatchForOwnerChange) {
    m_watching = QDBusConnection::sessionBus().connect(
        kService, QStringLiteral("/org/a11y/bus"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"),
        this, SLOT(onPropertiesChanged(QString, QVariantMap, QStringList)));
    connect(&m_owner, &QDBusServiceWatcher::serviceOwnerChanged, this, [this] { forget(); });
}

std::optional<bool> AccessibilityStatus::isEnabled(std::chrono::milliseconds timeout) {
    if (m_knownOn) {
        return true;
    }
    const auto enabled = AccessibilityBus::isEnabled(timeout);
    if (m_watching && enabled == true) {
        m_knownOn = true;
    }
    return enabled;
}

bool AccessibilityStatus::enable(std::chrono::milliseconds timeout) {
    forget();
    return AccessibilityBus::enable(timeout);
}

void AccessibilityStatus::onPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                              const QStringList& invalidated) {
    if (interface != kStatus) {
        return;
    }
    if (changed.contains(kEnabled)) {
        m_knownOn = changed.value(kEnabled).toBool();
    } else if (invalidated.contains(kEnabled)) {
        forget();
    }
}

}  // namespace korrelang::platform::atspi
