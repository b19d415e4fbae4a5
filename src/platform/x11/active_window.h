#pragma once

#include <memory>
#include <optional>
#include <string>

#include "display_connection.h"

namespace korrelang::platform::x11 {

/// What the window manager says about the active window.
struct WindowInfo {
    unsigned long window = 0;
    std::optional<long> pid;       ///< _NET_WM_PID, else the local client that made the window
    std::string instanceName;      ///< WM_CLASS instance ("mousepad")
    std::string className;         ///< WM_CLASS class ("Mousepad")
    std::string gtkApplicationID;  ///< _GTK_APPLICATION_ID ("org.xfce.mousepad"), if set
};

/// Reads the active window (`_NET_ACTIVE_WINDOW`) and its properties.
class ActiveWindow {
public:
    explicit ActiveWindow(std::shared_ptr<DisplayConnection> connection)
        : m_connection(std::move(connection)) {}

    /// The active window, or nothing when there is no display, no EWMH window manager or no
    /// active window.
    std::optional<WindowInfo> query() const;

    /// The process of the local client that created `window` (the X-Resource extension), or
    /// nothing for a remote client or a server without the extension.
    static std::optional<long> clientProcess(Display* display, unsigned long window);

private:
    std::shared_ptr<DisplayConnection> m_connection;
};

}  // namespace korrelang::platform::x11
