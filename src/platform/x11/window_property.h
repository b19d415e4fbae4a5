#pragma once

#include <X11/Xlib.h>

#include <optional>
#include <vector>

namespace korrelang::platform::x11 {

/// Reads window properties (EWMH, XKB rules names) with Xlib. Main thread only.
class WindowProperty {
public:
    /// The raw items of property `name` of `window`, when it exists with this type and format;
    /// 32-bit items come as longs, the way Xlib stores them. An empty property reads as empty.
    static std::optional<std::vector<unsigned char>> read(Display* display, Window window,
                                                          const char* name, Atom type, int format);
    /// The first item of a 32-bit property (a window, a process id).
    static std::optional<long> readCardinal(Display* display, Window window, const char* name,
                                            Atom type);
};

}  // namespace korrelang::platform::x11
