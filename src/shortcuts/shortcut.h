#pragma once

#include <cstdint>
#include <string>

#include "platform/key_codes.h"

namespace korrelang::platform {
class InputSources;
}

namespace korrelang::shortcuts {

/// A global shortcut: a key position and the modifiers held with it.
struct Shortcut {
    platform::KeyCode key = 0;
    platform::Modifiers modifiers;

    /// From a key and the modifiers of a key press; lock states are dropped.
    static Shortcut of(platform::KeyCode key, platform::Modifiers modifiers) {
        return {key, modifiers.held()};
    }

    /// The shortcut as Linux desktops write it, in the user's language ("Ctrl+Shift+Space"): the
    /// modifiers, then the key's name for keys without a character, else what the key types on
    /// the ASCII-capable layout, upper-cased, or "�" when that is not exactly one character.
    std::string description(const platform::InputSources& inputSources) const;

    auto operator<=>(const Shortcut&) const = default;
};

}  // namespace korrelang::shortcuts
