#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/key_codes.h"
#include "settings/capitalization_monitor.h"

namespace korrelang::platform {
class KeyInterceptor;
class Workspace;
}  // namespace korrelang::platform

namespace korrelang::settings {
class Settings;
}

namespace korrelang::keyboards {

/// Smart capitalization: while a layout without letter case is active, Shift plus a letter key
/// types the capital Latin letter of that key on a US keyboard instead of the layout's
/// character. When the desktop refuses the hook it is tried again every 10 seconds while the
/// setting stays on. Main thread only.
class KeyCodeMonitor : public QObject, public settings::CapitalizationMonitor {
    Q_OBJECT

public:
    static constexpr int kRetryIntervalMs = 10'000;

    KeyCodeMonitor(platform::KeyInterceptor& interceptor, platform::Workspace& workspace,
                   const settings::Settings& settings, int retryIntervalMs = kRetryIntervalMs,
                   QObject* parent = nullptr);
    ~KeyCodeMonitor() override;

    /// Starts the hook when the setting is on; does nothing when it runs already.
    void startMonitor();
    /// Stops the hook and any retry.
    void stopMonitor();
    void start() override { startMonitor(); }
    void stop() override { stopMonitor(); }

    bool isRunning() const { return m_isActive; }
    bool isRetrying() const { return m_retryTimer.isActive(); }

    /// What to type instead of the key press (key code, modifiers), or nothing to let
    /// it through. The active layout was already found caseless.
    std::optional<std::string> intercept(platform::KeyCode key, platform::Modifiers flags) const;

    /// Whether the layout has no letter case: the catalogue says so, or, for a layout it does
    /// not know, the identifier names one of the caseless scripts.
    static bool isCaselessLayout(std::string_view layoutID);
    /// The character of `key` on a US keyboard, shifted when exactly one of Shift and Caps Lock
    /// is in `flags`; nothing for keys outside the table.
    static std::optional<std::string> latinKeyCharacter(platform::KeyCode key,
                                                        platform::Modifiers flags);

private:
    bool createHook();
    void retry();

    platform::KeyInterceptor& m_interceptor;
    platform::Workspace& m_workspace;
    const settings::Settings& m_settings;
    QTimer m_retryTimer;
    bool m_isActive = false;
};

}  // namespace korrelang::keyboards
