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

    /// Calls `send(code, down)` for each key event of the stroke, in order.
    template <typename Send>
    void play(Send&& send) const {
        for (const KeyCode modifier : modifiers) {
            send(modifier, true);
        }
        send(key, true);
        send(key, false);
        for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
            send(*it, false);
        }
    }
};

/// What one requested key press (evdev key code + modifiers) becomes in the focused window.
///
/// A terminal emulator passes keys on to a shell or a running program, which takes Control+C as
/// an interrupt, Control+A or Shift+Home as commands. Into a terminal only BackSpace, the paste
/// (Control+V, sent as the terminal's Control+Shift+V, or Control+Shift+V itself) and
/// Shift+Insert go; every other press is refused. Lock states are never pressed.
class KeyIntent {
public:
    /// Nothing when `inTerminal` and the press is not safe there.
    static std::optional<KeyStroke> translate(KeyCode key, Modifiers flags, bool inTerminal);

    /// Whether a press may be sent into a terminal emulator.
    static bool isSafeInTerminal(KeyCode key, Modifiers flags);

    /// `translate`, saying in the log why a press is not sent: refused for a terminal, or a key
    /// code with no key.
    static std::optional<KeyStroke> strokeFor(KeyCode key, Modifiers flags, bool inTerminal);
};

}  // namespace korrelang::platform::x11
