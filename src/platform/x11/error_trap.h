#pragma once

#include <X11/Xlib.h>

namespace korrelang::platform::x11 {

/// Collects the X errors of the requests made while it lives (synchronising on destruction or
/// on `errorCode`). Main thread only, like all Xlib use.
class ErrorTrap {
public:
    explicit ErrorTrap(Display* display);
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

    /// Waits for the server to process every request so far; the first error's code, or 0.
    int errorCode();

private:
    Display* m_display;
    int (*m_previous)(Display*, XErrorEvent*) = nullptr;
};

}  // namespace korrelang::platform::x11
