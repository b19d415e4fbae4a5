#include "display_connection.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <string>

#include "error_trap.h"
#include "platform/log.h"

namespace korrelang::platform::x11 {

namespace {

// Xlib reports errors through one process-wide handler; the trap's code lives here.
int g_trappedError = 0;

int logError(Display* display, XErrorEvent* event) {
    char text[160] = {};
    XGetErrorText(display, event->error_code, text, sizeof text);
    logLine(std::string("⚠️ X error: ") + text + " (request " +
            std::to_string(event->request_code) + ")");
    return 0;
}

int trapError(Display*, XErrorEvent* event) {
    if (g_trappedError == 0) {
        g_trappedError = event->error_code;
    }
    return 0;
}

}  // namespace

std::shared_ptr<DisplayConnection> DisplayConnection::open() {
    XSetErrorHandler(logError);
    int eventBase = 0;
    int errorBase = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    int reason = 0;
    Display* display = XkbOpenDisplay(nullptr, &eventBase, &errorBase, &major, &minor, &reason);
    if (display == nullptr) {
        logLine("❌ Cannot open the X display (XKB status " + std::to_string(reason) + ")");
        return nullptr;
    }
    return std::shared_ptr<DisplayConnection>(new DisplayConnection(display, eventBase));
}

DisplayConnection::~DisplayConnection() {
    XCloseDisplay(m_display);
}

unsigned long DisplayConnection::root() const {
    return DefaultRootWindow(m_display);
}

ErrorTrap::ErrorTrap(Display* display) : m_display(display) {
    XSync(m_display, False);
    g_trappedError = 0;
    m_previous = XSetErrorHandler(trapError);
}

ErrorTrap::~ErrorTrap() {
    XSync(m_display, False);
    XSetErrorHandler(m_previous);
}

int ErrorTrap::errorCode() {
    XSync(m_display, False);
    return g_trappedError;
}

}  // namespace korrelang::platform::x11
