#include "modifier_masks.h"

#include "platform/key_codes.h"

namespace korrelang::platform::x11 {

std::optional<std::uint16_t> ModifierMasks::fromHotKeyModifiers(std::uint32_t modifiers) {
    if ((modifiers & HotKeyModifier::function) != 0) {
        return std::nullopt;
    }
    std::uint16_t mask = 0;
    if ((modifiers & HotKeyModifier::control) != 0) {
        mask |= control;
    }
    if ((modifiers & HotKeyModifier::shift) != 0) {
        mask |= shift;
    }
    if ((modifiers & HotKeyModifier::option) != 0) {
        mask |= mod1;
    }
    if ((modifiers & HotKeyModifier::command) != 0) {
        mask |= mod4;
    }
    return mask;
}

std::array<std::uint16_t, 4> ModifierMasks::lockVariants(std::uint16_t mask) {
    return {mask, static_cast<std::uint16_t>(mask | lock), static_cast<std::uint16_t>(mask | mod2),
            static_cast<std::uint16_t>(mask | lock | mod2)};
}

}  // namespace korrelang::platform::x11
