#pragma once

#include <cstdint>
#include <optional>

#include "platform/key_codes.h"

namespace korrelang::platform::x11 {

/// X keycodes of the evdev keymap (the Linux input code plus 8), which every current X server
/// and Xwayland use.
using XKeycode = std::uint8_t;

/// The one translation between the program's virtual key codes and X keycodes.
///
/// Covers the 47 character keys, the ISO key left of Z, Return, Tab, Space, Backspace, Escape,
/// the modifiers, the arrows, the navigation block and F1–F20 (which the shortcut recorder
/// accepts). Command maps to the Super keys.
class KeyCodeTable {
public:
    static std::optional<XKeycode> toX(KeyCode key);
    static std::optional<KeyCode> fromX(XKeycode keycode);
};

}  // namespace korrelang::platform::x11
