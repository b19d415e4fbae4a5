#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

namespace korrelang::platform::gnome {

class ShellExtension;

/// The back end for a GNOME Wayland session: layouts from the desktop's settings and the shell
/// extension, AT-SPI text, the custom keyboard shortcut, and, through the extension, layout
/// switching, the focused application, the clipboard and key presses. Create it once, on the
/// main thread, after the application object.
class GnomeDesktop {
public:
    /// `convertCommand` is what the desktop's shortcut runs to reach this instance.
    explicit GnomeDesktop(std::string convertCommand);
    ~GnomeDesktop();
    GnomeDesktop(const GnomeDesktop&) = delete;
    GnomeDesktop& operator=(const GnomeDesktop&) = delete;

    /// Whether this is a GNOME session on Wayland.
    static bool isCurrentSession();
    /// The extension, to ask whether it runs now.
    const ShellExtension& extension() const;
    Platform bundle();

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

}  // namespace korrelang::platform::gnome
