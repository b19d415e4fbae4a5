#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/key_codes.h"

namespace korrelang::platform::x11 {

/// Key names as keysyms of the US layout, the form desktops write shortcuts in whatever layout
/// is active ("space", "a", "bracketleft", "F4", "Page_Down").
class UsKeyNames {
public:
    /// The keysym name of what `key` types on the US layout without Shift; nothing for a key
    /// without one or when the keymap cannot be compiled.
    static std::optional<std::string> name(KeyCode key);
    /// The key that types the keysym `name` on the US layout, with or without Shift. Names are
    /// matched ignoring case ("Return", "return"); nothing for an unknown name.
    static std::optional<KeyCode> key(std::string_view name);
    /// The GTK accelerator of a shortcut, as GSettings stores it: "<Control><Shift>space", the
    /// held modifiers in the order Control, Shift, Alt, Super; nothing when the key has no name.
    static std::optional<std::string> accelerator(KeyCode key, Modifiers modifiers);
};

}  // namespace korrelang::platform::x11
