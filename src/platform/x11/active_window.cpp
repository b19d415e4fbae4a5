#include "active_window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "error_trap.h"
#include "window_property.h"

namespace korrelang::platform::x11 {

std::optional<WindowInfo> ActiveWindow::query() const {
    if (!m_connection) {
        return std::nullopt;
    }
    Display* display = m_connection->get();
    // The active window may vanish between the two reads; its errors must not be fatal.
    ErrorTrap trap(display);
    const auto active = WindowProperty::readCardinal(display, m_connection->root(),
                                                     "_NET_ACTIVE_WINDOW", XA_WINDOW);
    if (!active || *active == 0) {
        return std::nullopt;
    }
    WindowInfo info;
    info.window = static_cast<unsigned long>(*active);
    const Window window = info.window;
    info.pid = WindowProperty::readCardinal(display, window, "_NET_WM_PID", XA_CARDINAL);
    XClassHint hint{};
    if (XGetClassHint(display, window, &hint) != 0) {
        if (hint.res_name != nullptr) {
            info.instanceName = hint.res_name;
            XFree(hint.res_name);
        }
        if (hint.res_class != nullptr) {
            info.className = hint.res_class;
            XFree(hint.res_class);
        }
    }
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    if (const auto id = WindowProperty::read(display, window, "_GTK_APPLICATION_ID", utf8, 8)) {
        info.gtkApplicationID.assign(id->begin(), id->end());
    }
    if (trap.errorCode() != 0) {
        return std::nullopt;
    }
    return info;
}

}  // namespace korrelang::platform::x11
