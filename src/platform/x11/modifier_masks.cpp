#include "modifier_masks.h"

namespace korrelang::platform::x11 {

std::uint16_t ModifierMasks::of(Modifiers modifiers) {
    std::uint16_t mask = 0;
    if (modifiers.has(Modifier::Control)) {
        mask |= control;
    }
    if (modifiers.has(Modifier::Shift)) {
        mask |= shift;
    }
    if (modifiers.has(Modifier::Alt)) {
        mask |= mod1;
    }
    if (modifiers.has(Modifier::Super)) {
        mask |= mod4;
    }
    return mask;
}

std::array<std::uint16_t, 4> ModifierMasks::lockVariants(std::uint16_t mask) {
    return {mask, static_cast<std::uint16_t>(mask | lock), static_cast<std::uint16_t>(mask | mod2),
            static_cast<std::uint16_t>(mask | lock | mod2)};
}

}  // namespace korrelang::platform::x11
