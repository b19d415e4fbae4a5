#pragma once

#include <memory>

// Xlib's own declaration, repeated so that this header does not pull in Xlib and its macros.
typedef struct _XDisplay Display;

namespace korrelang::platform::x11 {

/// An Xlib connection with the XKB extension, closed when the last owner lets go.
///
/// X errors on it never end the process: they are logged, and code that needs to know whether a
/// request failed uses `ErrorTrap`.
class DisplayConnection {
public:
    /// Opens the display named by $DISPLAY; nothing when there is none or it lacks XKB.
    static std::shared_ptr<DisplayConnection> open();

    ~DisplayConnection();
    DisplayConnection(const DisplayConnection&) = delete;
    DisplayConnection& operator=(const DisplayConnection&) = delete;

    Display* get() const { return m_display; }
    int xkbEventBase() const { return m_xkbEventBase; }
    /// The root window of the default screen.
    unsigned long root() const;

private:
    DisplayConnection(Display* display, int xkbEventBase)
        : m_display(display), m_xkbEventBase(xkbEventBase) {}

    Display* m_display;
    int m_xkbEventBase;
};

}  // namespace korrelang::platform::x11
