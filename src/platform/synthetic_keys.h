#pragma once

#include <cstdint>

#include "key_codes.h"

namespace korrelang::platform {

/// Synthetic key presses into the focused application.
class SyntheticKeys {
public:
    virtual ~SyntheticKeys() = default;

    /// One key press, down then up, with the modifiers of `flags` held around it (lock states are
    /// not pressed). Into a terminal emulator (its process holds a pseudo-terminal master) only
    /// BackSpace, the paste (Control+V, sent as Control+Shift+V, or Control+Shift+V) and
    /// Shift+Insert are sent; anything else is refused, logged, and answered false. Modifiers the
    /// user still holds are released first. Returns false when the press was not sent.
    virtual bool simulateKeyPress(KeyCode key, Modifiers flags) = 0;
    /// Whether presses can be sent at all in this session (the means of sending them exists and
    /// answers); false where every press would fail, so that nothing waits for their effect.
    virtual bool isAvailable() const = 0;
};

}  // namespace korrelang::platform
