#pragma once

#include <cstdint>

#include "engine/key_code.h"

namespace korrelang::platform {

using engine::KeyCode;

/// Modifier flags of a synthetic key press or an intercepted key, in the event-flag bit values
/// the rest of the program uses. Only these bits have a meaning; others are ignored.
namespace ModifierFlag {
inline constexpr std::uint32_t capsLock = 0x10000;
inline constexpr std::uint32_t shift = 0x20000;
inline constexpr std::uint32_t control = 0x40000;
inline constexpr std::uint32_t option = 0x80000;
inline constexpr std::uint32_t command = 0x100000;
inline constexpr std::uint32_t function = 0x800000;
}  // namespace ModifierFlag

/// Modifier masks of a global hot key (the shortcut's stored mask).
namespace HotKeyModifier {
inline constexpr std::uint32_t command = 0x100;
inline constexpr std::uint32_t shift = 0x200;
inline constexpr std::uint32_t option = 0x800;
inline constexpr std::uint32_t control = 0x1000;
inline constexpr std::uint32_t function = 0x20000;
}  // namespace HotKeyModifier

/// Virtual key codes of the keys that are not character keys and that the program names.
namespace Key {
inline constexpr KeyCode a = 0;
inline constexpr KeyCode c = 8;
inline constexpr KeyCode v = 9;
inline constexpr KeyCode z = 6;
inline constexpr KeyCode returnKey = 36;
inline constexpr KeyCode tab = 48;
inline constexpr KeyCode space = 49;
inline constexpr KeyCode deleteKey = 51;
inline constexpr KeyCode escape = 53;
inline constexpr KeyCode rightCommand = 54;
inline constexpr KeyCode command = 55;
inline constexpr KeyCode shift = 56;
inline constexpr KeyCode capsLock = 57;
inline constexpr KeyCode option = 58;
inline constexpr KeyCode control = 59;
inline constexpr KeyCode rightShift = 60;
inline constexpr KeyCode rightOption = 61;
inline constexpr KeyCode rightControl = 62;
inline constexpr KeyCode function = 63;
/// The key where Insert sits on a PC keyboard (Help on the other).
inline constexpr KeyCode insert = 114;
inline constexpr KeyCode home = 115;
inline constexpr KeyCode pageUp = 116;
inline constexpr KeyCode forwardDelete = 117;
inline constexpr KeyCode end = 119;
inline constexpr KeyCode pageDown = 121;
inline constexpr KeyCode left = 123;
inline constexpr KeyCode right = 124;
inline constexpr KeyCode down = 125;
inline constexpr KeyCode up = 126;
}  // namespace Key

}  // namespace korrelang::platform
