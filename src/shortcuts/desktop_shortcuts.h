#pragma once

#include <QString>
#include <optional>
#include <string_view>
#include <vector>

#include "shortcut.h"

namespace korrelang::shortcuts {

/// The shortcuts the desktop itself has configured, read from where desktops keep them: GNOME's
/// keybinding settings (through gsettings) and KDE's kglobalshortcutsrc. A desktop that grabs
/// its shortcuts only while it runs is caught by the trial grab; these files also cover
/// shortcuts a desktop handles without an X grab.
class DesktopShortcuts {
public:
    /// One accelerator as GTK writes it ("<Primary><Shift>space", "<Super>F1"); nothing for
    /// keys or modifiers Korrelang cannot register.
    static std::optional<Shortcut> fromGtkAccelerator(std::string_view accelerator);
    /// One shortcut as KDE writes it ("Meta+Space", "Ctrl+Alt+T").
    static std::optional<Shortcut> fromKdeShortcut(std::string_view text);

    /// The accelerators in the output of `gsettings list-recursively`.
    static std::vector<Shortcut> fromGsettingsListing(const QString& listing);
    /// The active shortcuts of a kglobalshortcutsrc file.
    static std::vector<Shortcut> fromKdeConfig(const QString& contents);

    /// Reads the desktop's shortcuts now; each source that is missing or does not answer within
    /// a second is skipped.
    static std::vector<Shortcut> read();
    /// Whether the desktop has configured `shortcut`.
    static bool contains(const Shortcut& shortcut);
};

}  // namespace korrelang::shortcuts
