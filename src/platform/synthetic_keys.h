#pragma once

#include <cstdint>

#include "key_codes.h"

namespace korrelang::platform {

/// Synthetic key presses into the focused application.
class SyntheticKeys {
public:
    virtual ~SyntheticKeys() = default;

    /// One key press, down then up, with the modifiers of `flags` (ModifierFlag bits) held around
    /// it. The press is an intent: Command+C/V/A become the desktop's copy, paste and select-all,
    /// Shift+Command+Left/Right select to the start or end of the line. Into a terminal emulator
    /// (its process holds a pseudo-terminal master) only BackSpace, the paste (Control+Shift+V)
    /// and Shift+Insert are sent; anything else is refused, logged, and answered false. Modifiers
    /// the user still holds are released first. Returns false when the press was not sent.
    virtual bool simulateKeyPress(KeyCode key, std::uint32_t flags) = 0;
};

}  // namespace korrelang::platform
