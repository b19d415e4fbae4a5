#include "active_window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>
#include <vector>

#include "error_trap.h"

namespace korrelang::platform::x11 {

namespace {

// The raw bytes of a window property of the given type and format, or nothing.
std::optional<std::vector<unsigned char>> readProperty(Display* display, Window window,
                                                       const char* name, Atom wantedType,
                                                       int wantedFormat) {
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None) {
        return std::nullopt;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, atom, 0, 4096, False, wantedType, &type, &format,
                           &count, &after, &data) != Success ||
        data == nullptr) {
        return std::nullopt;
    }
    std::unique_ptr<unsigned char, int (*)(void*)> owned(data, XFree);
    if (type != wantedType || format != wantedFormat || count == 0) {
        return std::nullopt;
    }
    // 32-bit items are stored as longs by Xlib.
    const std::size_t itemSize = format == 32 ? sizeof(long) : static_cast<std::size_t>(format / 8);
    return std::vector<unsigned char>(data, data + count * itemSize);
}

std::optional<long> readCardinal(Display* display, Window window, const char* name, Atom type) {
    const auto bytes = readProperty(display, window, name, type, 32);
    if (!bytes || bytes->size() < sizeof(long)) {
        return std::nullopt;
    }
    long value = 0;
    std::memcpy(&value, bytes->data(), sizeof value);
    return value;
}

}  // namespace

std::optional<WindowInfo> ActiveWindow::query() const {
    if (!m_connection) {
        return std::nullopt;
    }
    Display* display = m_connection->get();
    // The active window may vanish between the two reads; its errors must not be fatal.
    ErrorTrap trap(display);
    const auto active =
        readCardinal(display, m_connection->root(), "_NET_ACTIVE_WINDOW", XA_WINDOW);
    if (!active || *active == 0) {
        return std::nullopt;
    }
    WindowInfo info;
    info.window = static_cast<unsigned long>(*active);
    const Window window = info.window;
    info.pid = readCardinal(display, window, "_NET_WM_PID", XA_CARDINAL);
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
    if (const auto id = readProperty(display, window, "_GTK_APPLICATION_ID", utf8, 8)) {
        info.gtkApplicationID.assign(id->begin(), id->end());
    }
    if (trap.errorCode() != 0) {
        return std::nullopt;
    }
    return info;
}

}  // namespace korrelang::platform::x11
