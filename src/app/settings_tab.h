#pragma once

namespace korrelang::app {

/// The tabs the settings window opens on.
enum class SettingsTab { Settings, About, Feedback };

}  // namespace korrelang::app
