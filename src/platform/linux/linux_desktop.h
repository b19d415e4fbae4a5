#pragma once

#include <memory>

#include "platform/desktop.h"

namespace korrelang::platform::linux_desktop {

/// The back end for an X11 session: XKB layouts, AT-SPI text, XTest key presses, the Qt
/// clipboard, the EWMH workspace, xcb hot keys and the Shift+letter interceptor. Create it once,
/// on the main thread, after the QApplication; it owns every implementation the bundle points at.
class LinuxDesktop : public Desktop {
public:
    LinuxDesktop();
    ~LinuxDesktop() override;

    /// Whether the X display could be opened; without it every query answers nothing.
    bool isConnected() const override;
    Platform bundle() override;
    bool keyInterception() const override { return true; }

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

}  // namespace korrelang::platform::linux_desktop
