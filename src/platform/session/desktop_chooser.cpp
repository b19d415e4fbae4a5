#include "desktop_chooser.h"

#include <cstdlib>

#include "platform/gnome/gnome_desktop.h"
#include "platform/gnome/gnome_input_sources.h"
#include "platform/kwin/kde_keyboard_layouts.h"
#include "platform/kwin/kwin_desktop.h"
#include "platform/linux/linux_desktop.h"
#include "platform/sway/sway_desktop.h"
#include "platform/sway/sway_input_sources.h"
#include "platform/sway/sway_ipc.h"
#include "platform/x11/xkb_input_sources.h"

namespace korrelang::platform::session {

namespace {

bool hasXDisplay() {
    const char* display = std::getenv("DISPLAY");
    return display != nullptr && *display != '\0';
}

}  // namespace

SessionKind DesktopChooser::served(SessionKind detected) {
    switch (detected) {
        case SessionKind::x11:
        case SessionKind::sway:
        case SessionKind::gnome:
        case SessionKind::kwin:
        case SessionKind::none:
            return detected;
        default:
            return hasXDisplay() ? SessionKind::x11 : SessionKind::none;
    }
}

std::string DesktopChooser::fallbackNote(SessionKind detected, SessionKind served) {
    if (detected == served) {
        return {};
    }
    const std::string missing =
        "Desktop: no native back end for " + std::string(kindName(detected)) + " in this build";
    return served == SessionKind::x11
               ? missing + "; using X11 through Xwayland (the hotkey reaches only X11 windows)"
               : missing + " and no X display";
}

const char* DesktopChooser::qtPlatform(SessionKind served) {
    return isWayland(served) ? "wayland" : "xcb";
}

std::unique_ptr<Desktop> DesktopChooser::create(SessionKind served) {
    switch (served) {
        case SessionKind::x11:
            return std::make_unique<linux_desktop::LinuxDesktop>();
        case SessionKind::sway:
            return std::make_unique<sway::SwayDesktop>(sway::SwayIpc::sessionSocket());
        case SessionKind::gnome:
            return std::make_unique<gnome::GnomeDesktop>(gnome::GnomeDesktop::convertCommand());
        case SessionKind::kwin:
            return std::make_unique<kwin::KwinDesktop>();
        default:
            return nullptr;
    }
}

std::unique_ptr<InputSources> DesktopChooser::inputSources(SessionKind served) {
    switch (served) {
        case SessionKind::x11:
            return std::make_unique<x11::XkbInputSources>();
        case SessionKind::sway:
            return std::make_unique<sway::SwayInputSources>(sway::SwayIpc::sessionSocket());
        case SessionKind::gnome:
            return std::make_unique<gnome::GnomeInputSources>();
        case SessionKind::kwin:
            return std::make_unique<kwin::KdeKeyboardLayouts>();
        default:
            return nullptr;
    }
}

}  // namespace korrelang::platform::session
