#pragma once

#include <linux/input-event-codes.h>

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

}  // namespace korrelang::platform
