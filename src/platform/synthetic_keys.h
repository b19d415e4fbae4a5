#pragma once

#include <cstdint>

#include "key_codes.h"

namespace korrelang::platform {

/// Synthetic key presses into the focused application.
class SyntheticKeys {
public:
    virtual ~SyntheticKeys() = default;

    /// One key press, down then up, with the modifiers of `flags` (ModifierFlag bits) held around
    /// it. The press is an intent: Command+C/V/A become the desktop's copy, paste and select-all
    /// (Control+Shift+C/V in terminal emulators), Shift+Command+Left/Right select to the start or
    /// end of the line. Modifiers the user still holds are released first. Returns false when the
    /// press could not be sent.
    virtual bool simulateKeyPress(KeyCode key, std::uint32_t flags) = 0;
};

}  // namespace korrelang::platform
