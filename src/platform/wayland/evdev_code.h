#pragma once

#include <cstdint>
#include <optional>

#include "platform/key_codes.h"

namespace korrelang::platform::wayland {

/// The Linux input code (evdev `KEY_*`) of a program key code: what Wayland keymaps, virtual
/// keyboards and compositor key names use. Every Wayland key path goes through this one
/// function; nothing when the key has no evdev code.
std::optional<std::uint32_t> evdevCode(KeyCode key);

}  // namespace korrelang::platform::wayland
