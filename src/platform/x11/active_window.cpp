#include "active_window.h"

#include <X11/Xatom.h>
#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <xcb/res.h>

#include <cstdlib>
#include <memory>

#include "error_trap.h"
#include "window_property.h"

namespace korrelang::platform::x11 {

std::optional<long> ActiveWindow::clientProcess(Display* display, unsigned long window) {
    xcb_connection_t* connection = XGetXCBConnection(display);
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_res_id);
    if (extension == nullptr || extension->present == 0) {
        return std::nullopt;
    }
    const xcb_res_client_id_spec_t spec{static_cast<std::uint32_t>(window),
                                        XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
    xcb_generic_error_t* error = nullptr;
    const std::unique_ptr<xcb_res_query_client_ids_reply_t, decltype(&std::free)> reply(
        xcb_res_query_client_ids_reply(connection, xcb_res_query_client_ids(connection, 1, &spec),
                                       &error),
        &std::free);
    std::free(error);
    if (!reply) {
        return std::nullopt;
    }
    for (auto it = xcb_res_query_client_ids_ids_iterator(reply.get()); it.rem > 0;
         xcb_res_client_id_value_next(&it)) {
        if ((it.data->spec.mask & XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID) != 0 &&
            xcb_res_client_id_value_value_length(it.data) == 1) {
            return static_cast<long>(*xcb_res_client_id_value_value(it.data));
        }
    }
    return std::nullopt;
}

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
    if (!info.pid) {
        // Not every program sets it (some terminals, Java): the X server knows which local
        // process made the window, and terminals must be told whatever they set.
        info.pid = clientProcess(display, window);
    }
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
