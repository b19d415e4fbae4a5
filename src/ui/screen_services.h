#pragma once

namespace korrelang::settings {
class Settings;
}
namespace korrelang::platform {
class InputSources;
class Workspace;
}  // namespace korrelang::platform
namespace korrelang::service {
class AccessibilityService;
}
namespace korrelang::analytics {
class AnalyticsService;
}
namespace korrelang::shortcuts {
class GlobalShortcuts;
class RecorderControl;
}  // namespace korrelang::shortcuts
namespace korrelang::updates {
class UpdateChecker;
}

namespace korrelang::ui {

/// What the settings and onboarding screens are built on. The shortcut pieces and the update
/// checker may be absent: the screens then show the defaults and do nothing with them.
struct ScreenServices {
    settings::Settings& settings;
    const platform::InputSources& inputSources;
    platform::Workspace& workspace;
    service::AccessibilityService& accessibility;
    analytics::AnalyticsService& analytics;
    shortcuts::GlobalShortcuts* shortcuts = nullptr;
    shortcuts::RecorderControl* recorder = nullptr;
    updates::UpdateChecker* updates = nullptr;
    /// Whether the desktop lets Korrelang hook key presses (smart capitalization); Wayland
    /// does not.
    bool keyInterception = true;
};

}  // namespace korrelang::ui
