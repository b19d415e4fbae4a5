#pragma once

#include <QDBusServiceWatcher>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <atomic>
#include <chrono>
#include <optional>

namespace korrelang::platform::atspi {

/// The session's accessibility switch as each hotkey press asks for it, without a bus round trip
/// per press: once the switch was seen on, that answer is kept until the bus service reports a
/// change or leaves the bus. An answer of off is never kept, so that a desktop whose service
/// does not report changes still sees the user switch accessibility on. Created on the main
/// thread, whose event loop receives the reports; `isEnabled` may be called from any thread.
class AccessibilityStatus : public QObject {
    Q_OBJECT

public:
    AccessibilityStatus();

    /// Whether accessibility is on; nothing when the service cannot be reached in time.
    std::optional<bool> isEnabled(std::chrono::milliseconds timeout);
    /// Switches it on; whether the service accepted.
    bool enable(std::chrono::milliseconds timeout);

private slots:
    void onPropertiesChanged(const QString& interface, const QVariantMap& changed,
                             const QStringList& invalidated);

private:
    void forget() { m_knownOn = false; }

    QDBusServiceWatcher m_owner;
    bool m_watching = false;
    std::atomic<bool> m_knownOn{false};
};

}  // namespace korrelang::platform::atspi
