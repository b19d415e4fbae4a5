#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/key_codes.h"

namespace korrelang::platform::portal {

/// The trigger text of the desktop's shortcut description format ("CTRL+SHIFT+space"): the
/// modifiers in a fixed order, then the key's XKB keysym name on a US keyboard.
class TriggerText {
public:
    /// Super is the LOGO key; lock states are left out. Nothing when the key has no keysym.
    static std::optional<std::string> build(KeyCode key, Modifiers modifiers);
};

}  // namespace korrelang::platform::portal
