#pragma once

#include <functional>

namespace korrelang::ui {

/// What the desktop cannot do on its own, which the screens explain and offer to mend. Without
/// one (X11) nothing is missing.
struct DesktopLimits {
    /// Whether the desktop's shell extension, which layout switching, the paste path and the
    /// blacklist need, is off now; unset when the desktop needs none.
    std::function<bool()> extensionMissing = {};
    /// Asks the shell to turn the extension on; false when it refused.
    std::function<bool()> enableExtension = {};
    /// No tray icon: the dashboard opens when Korrelang is started.
    bool noTray = false;

    bool needsExtension() const { return extensionMissing && extensionMissing(); }
};

}  // namespace korrelang::ui
