#pragma once

#include <string_view>

namespace korrelang::platform::session {

/// Which desktop back end a session needs.
enum class SessionKind {
    none,            ///< neither an X display nor a Wayland compositor
    x11,             ///< an X11 session (or a Wayland one reached only through Xwayland)
    sway,            ///< sway and its IPC socket
    kwin,            ///< KDE Plasma's KWin
    gnome,           ///< GNOME Shell (mutter)
    waylandUnknown,  ///< another Wayland compositor: standard interfaces only
};

/// The back end's name for the log and `korrelang keyboards`.
constexpr std::string_view kindName(SessionKind kind) {
    switch (kind) {
        case SessionKind::x11:
            return "X11";
        case SessionKind::sway:
            return "sway";
        case SessionKind::kwin:
            return "KWin";
        case SessionKind::gnome:
            return "GNOME";
        case SessionKind::waylandUnknown:
            return "Wayland (unknown compositor)";
        case SessionKind::none:
            break;
    }
    return "none";
}

constexpr bool isWayland(SessionKind kind) {
    return kind == SessionKind::sway || kind == SessionKind::kwin || kind == SessionKind::gnome ||
           kind == SessionKind::waylandUnknown;
}

}  // namespace korrelang::platform::session
