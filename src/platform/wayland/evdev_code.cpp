#include "evdev_code.h"

#include "platform/x11/key_code_table.h"

namespace korrelang::platform::wayland {

namespace {
// X keycodes are the evdev codes shifted by 8 (the X protocol reserves 0–7).
constexpr std::uint32_t kXOffset = 8;
}  // namespace

std::optional<std::uint32_t> evdevCode(KeyCode key) {
    const auto x = x11::KeyCodeTable::toX(key);
    if (!x || *x < kXOffset) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*x) - kXOffset;
}

}  // namespace korrelang::platform::wayland
