#pragma once

#include <memory>

#include "platform/platform.h"

namespace korrelang::platform::linux_desktop {

/// The back end for an X11 session: XKB layouts, AT-SPI text, XTest key presses, the Qt
/// clipboard, the EWMH workspace, xcb hot keys and the Shift+letter interceptor. Create it once,
/// on the main thread, after the QApplication; it owns every implementation the bundle points at.
class LinuxDesktop {
public:
    LinuxDesktop();
    ~LinuxDesktop();
    LinuxDesktop(const LinuxDesktop&) = delete;
    LinuxDesktop& operator=(const LinuxDesktop&) = delete;

    /// Whether the X display could be opened; without it every query answers nothing.
    bool hasDisplay() const;
    Platform bundle();

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

}  // namespace korrelang::platform::linux_desktop
