#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/key_codes.h"

namespace korrelang::platform::x11 {

/// The key strokes (evdev codes) that carry out one requested key press.
struct KeyStroke {
    std::vector<KeyCode> modifiers;  ///< pressed in order before the key, released after it
    KeyCode key = 0;
    bool operator==(const KeyStroke&) const = default;
};

/// Translates the program's key presses (evdev key code + ModifierFlag bits) into what means
/// the same on a Linux desktop: Command+C/V/A become Control+C/V/A, Shift+Command+Left/Right
/// become Shift+Home/End, and any other Command becomes Control.
///
/// A terminal emulator passes keys on to a shell or a running program, which takes Control+C as
/// an interrupt, Control+A or Shift+Home as commands. Into a terminal only BackSpace, the paste
/// (Command+V, sent as Control+Shift+V) and Shift+Insert go; every other press is refused.
class KeyIntent {
public:
    /// Nothing when `inTerminal` and the press is not safe there.
    static std::optional<KeyStroke> translate(KeyCode key, std::uint32_t flags, bool inTerminal);

    /// Whether a press may be sent into a terminal emulator.
    static bool isSafeInTerminal(KeyCode key, std::uint32_t flags);
};

}  // namespace korrelang::platform::x11
