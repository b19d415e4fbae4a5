#pragma once

#include <memory>
#include <string>

#include "platform/desktop.h"

namespace korrelang::platform::gnome {

class ShellExtension;

/// The back end for a GNOME Wayland session: layouts from the desktop's settings and the shell
/// extension, AT-SPI text, the hotkey through the GlobalShortcuts portal where the desktop offers
/// it (else a custom keyboard shortcut), and, through the extension, layout
/// switching, the focused application, the clipboard and key presses. Create it once, on the
/// main thread, after the application object.
class GnomeDesktop : public Desktop {
public:
    /// `convertCommand` is what the desktop's shortcut runs to reach this instance.
    explicit GnomeDesktop(std::string convertCommand);
    ~GnomeDesktop() override;
    GnomeDesktop(const GnomeDesktop&) = delete;
    GnomeDesktop& operator=(const GnomeDesktop&) = delete;

    /// Whether the session bus is there: every part of this back end speaks over it.
    bool isConnected() const override;
    Platform bundle() override;
    bool keyInterception() const override { return false; }

    /// The extension, to ask whether it runs now and to turn it on.
    const ShellExtension& extension() const;
    /// Korrelang turned on or off by the user: off, GNOME's own shortcut entry is taken out, so
    /// the key reaches the applications again.
    void setConversionEnabled(bool enabled);
    /// What the desktop's shortcut runs to reach the running instance, by its full path, quoted
    /// for GNOME's shell-like parsing: korrelang-convert beside this executable, else this
    /// executable with --convert.
    static std::string convertCommand();

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

}  // namespace korrelang::platform::gnome
