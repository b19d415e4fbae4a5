#pragma once

#include <array>
#include <cstdint>

#include "platform/modifiers.h"

namespace korrelang::platform::x11 {

/// X modifier masks for hot keys and grabs.
class ModifierMasks {
public:
    static constexpr std::uint16_t shift = 1 << 0;
    static constexpr std::uint16_t lock = 1 << 1;  // Caps Lock
    static constexpr std::uint16_t control = 1 << 2;
    static constexpr std::uint16_t mod1 = 1 << 3;  // Alt
    static constexpr std::uint16_t mod2 = 1 << 4;  // Num Lock
    static constexpr std::uint16_t mod4 = 1 << 6;  // Super
    /// The modifiers a hot key can use; lock and group bits are not among them.
    static constexpr std::uint16_t relevant = shift | control | mod1 | mod4;

    /// The X mask of a hot key's held modifiers; lock states are left to lockVariants.
    static std::uint16_t of(Modifiers modifiers);

    /// `mask` with every combination of Caps Lock and Num Lock, so a grab works whatever their
    /// state; the first entry is `mask` itself.
    static std::array<std::uint16_t, 4> lockVariants(std::uint16_t mask);
};

}  // namespace korrelang::platform::x11
