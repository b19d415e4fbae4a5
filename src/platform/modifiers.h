#pragma once

#include <cstdint>
#include <string>

namespace korrelang::platform {

/// One modifier key, as Linux desktops name them.
enum class Modifier : std::uint8_t {
    Shift = 1 << 0,
    Control = 1 << 1,
    Alt = 1 << 2,
    Super = 1 << 3,
    CapsLock = 1 << 4,  ///< a lock state, never held by a shortcut or a synthetic press
};

/// The modifiers held with a key: of a shortcut, a synthetic key press or an intercepted key.
class Modifiers {
public:
    constexpr Modifiers() = default;
    constexpr Modifiers(Modifier modifier) : m_bits(static_cast<std::uint8_t>(modifier)) {}

    constexpr bool has(Modifier modifier) const {
        return (m_bits & static_cast<std::uint8_t>(modifier)) != 0;
    }
    constexpr bool empty() const { return m_bits == 0; }
    constexpr explicit operator bool() const { return m_bits != 0; }

    /// Shift, Control, Alt and Super: what a shortcut holds, without the lock states.
    constexpr Modifiers held() const { return fromBits(m_bits & ~kLockBits); }

    constexpr Modifiers operator|(Modifiers other) const { return fromBits(m_bits | other.m_bits); }
    constexpr Modifiers operator&(Modifiers other) const { return fromBits(m_bits & other.m_bits); }
    constexpr Modifiers& operator|=(Modifiers other) {
        m_bits |= other.m_bits;
        return *this;
    }
    constexpr auto operator<=>(const Modifiers&) const = default;

    /// "Control+Shift", in the order Control, Alt, Shift, Super, Caps Lock; "none" when empty.
    std::string text() const {
        std::string out;
        const auto add = [&](Modifier modifier, const char* name) {
            if (has(modifier)) {
                out += (out.empty() ? "" : "+") + std::string(name);
            }
        };
        add(Modifier::Control, "Control");
        add(Modifier::Alt, "Alt");
        add(Modifier::Shift, "Shift");
        add(Modifier::Super, "Super");
        add(Modifier::CapsLock, "Caps Lock");
        return out.empty() ? "none" : out;
    }

private:
    static constexpr std::uint8_t kLockBits = static_cast<std::uint8_t>(Modifier::CapsLock);
    static constexpr Modifiers fromBits(unsigned bits) {
        Modifiers modifiers;
        modifiers.m_bits = static_cast<std::uint8_t>(bits);
        return modifiers;
    }

    std::uint8_t m_bits = 0;
};

constexpr Modifiers operator|(Modifier a, Modifier b) {
    return Modifiers(a) | b;
}

}  // namespace korrelang::platform
