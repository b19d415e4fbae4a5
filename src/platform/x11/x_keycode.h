#pragma once

#include <cstdint>
#include <optional>

#include "platform/key_codes.h"

namespace korrelang::platform::x11 {

/// An X keycode. Every current X server and Xwayland use the evdev keymap, whose keycodes are
/// the Linux input codes shifted by 8 (the X protocol reserves 0–7).
using XKeycode = std::uint8_t;

inline constexpr unsigned kXKeycodeOffset = 8;

/// Nothing for a code beyond the X keycode range.
constexpr std::optional<XKeycode> toXKeycode(KeyCode key) {
    if (key + kXKeycodeOffset > 255) {
        return std::nullopt;
    }
    return static_cast<XKeycode>(key + kXKeycodeOffset);
}

/// Nothing for the reserved keycodes below 8.
constexpr std::optional<KeyCode> fromXKeycode(unsigned keycode) {
    if (keycode < kXKeycodeOffset || keycode > 255) {
        return std::nullopt;
    }
    return static_cast<KeyCode>(keycode - kXKeycodeOffset);
}

}  // namespace korrelang::platform::x11
