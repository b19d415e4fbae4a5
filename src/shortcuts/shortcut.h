#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/key_codes.h"

namespace korrelang::platform {
class InputSources;
}

namespace korrelang::shortcuts {

/// A global shortcut: a key position and the modifiers held with it, as a hot-key mask
/// (platform::HotKeyModifier bits).
struct Shortcut {
    platform::KeyCode carbonKeyCode = 0;
    std::uint32_t carbonModifiers = 0;

    /// From a key and event flags (platform::ModifierFlag bits); flags other than Control,
    /// Option, Shift, Command and Function are dropped.
    static Shortcut fromFlags(platform::KeyCode key, std::uint32_t flags);

    /// The stored form: {"carbonKeyCode":49,"carbonModifiers":4608}.
    std::string toJson() const;
    /// Nothing unless `json` is an object with both members as integers in range.
    static std::optional<Shortcut> fromJson(std::string_view json);

    /// The modifier symbols in the order ⌃⌥⇧⌘🌐︎, then the key: its symbol for keys
    /// without a character, else what the key types on the ASCII-capable layout, upper-cased, or
    /// "�" when that is not exactly one character.
    std::string description(const platform::InputSources& inputSources) const;

    auto operator<=>(const Shortcut&) const = default;
};

}  // namespace korrelang::shortcuts
