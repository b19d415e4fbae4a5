#pragma once

#include "platform.h"

namespace korrelang::platform {

/// One desktop back end (X11, or a Wayland compositor's), chosen once by the composition root.
/// It owns every implementation its bundle points at and lives as long as the application.
class Desktop {
public:
    Desktop() = default;
    virtual ~Desktop() = default;
    // The bundle points into the back end: a copy would leave it pointing at the original.
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    /// Whether the connection to the desktop could be made; without it every query answers
    /// nothing and the application should not start.
    virtual bool isConnected() const = 0;
    virtual Platform bundle() = 0;
    /// Whether a global hook on key presses can be installed (smart capitalization). Wayland
    /// gives an ordinary client none.
    virtual bool keyInterception() const { return false; }
};

}  // namespace korrelang::platform
