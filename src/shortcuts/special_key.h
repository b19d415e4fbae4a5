#pragma once

#include <optional>
#include <string>

#include "platform/key_codes.h"

namespace korrelang::shortcuts {

/// Keys that type no character, shown by a symbol in shortcut texts.
class SpecialKey {
public:
    /// The symbol of `key`, or nothing when the key types a character.
    static std::optional<std::string> symbol(platform::KeyCode key);
    /// The name of the space key in shortcut texts.
    static constexpr const char* kSpaceName = "Space";
};

}  // namespace korrelang::shortcuts
