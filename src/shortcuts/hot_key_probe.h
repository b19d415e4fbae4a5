#pragma once

#include "shortcut.h"

namespace korrelang::platform {
class HotKeys;
}

namespace korrelang::shortcuts {

/// Asks the desktop whether another program holds a key combination, by grabbing it for a moment.
/// On X11 the server refuses a grab that another client holds; the desktop's own shortcuts are
/// such grabs.
class HotKeyProbe {
public:
    /// True only when the grab was refused as taken; any other failure (no display, an unknown
    /// key) says nothing about a conflict.
    static bool isTaken(platform::HotKeys& hotKeys, const Shortcut& shortcut);
};

}  // namespace korrelang::shortcuts
