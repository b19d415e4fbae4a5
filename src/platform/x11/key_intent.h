#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "key_code_table.h"

namespace korrelang::platform::x11 {

/// The X key strokes that carry out one requested key press.
struct KeyStroke {
    std::vector<XKeycode> modifiers;  ///< pressed in order before the key, released after it
    XKeycode key = 0;
    bool operator==(const KeyStroke&) const = default;
};

/// Translates the program's key presses (virtual key code + ModifierFlag bits) into what means
/// the same on a Linux desktop: Command+C/V/A become Control+C/V/A (Control+Shift+C/V in terminal
/// emulators, where Control+C interrupts), Shift+Command+Left/Right become Shift+Home/End, and
/// any other Command becomes Control.
class KeyIntent {
public:
    /// Nothing when the key has no X keycode.
    static std::optional<KeyStroke> translate(KeyCode key, std::uint32_t flags, bool inTerminal);

    /// Whether a window's application identifier or class names a terminal emulator.
    static bool isTerminal(std::string_view applicationID);
};

}  // namespace korrelang::platform::x11
