#pragma once

#include <optional>
#include <string>

#include "shortcut.h"

namespace korrelang::shortcuts {

/// The stable name a shortcut is stored and dispatched under, with the shortcut it starts with.
struct Name {
    std::string rawValue;
    std::optional<Shortcut> defaultShortcut;

    bool operator==(const Name&) const = default;

    /// The conversion hotkey; Control+Shift+Space until the user changes it.
    static Name toggleConversion() {
        return {"toggleConversion",
                Shortcut{KEY_SPACE, platform::Modifier::Control | platform::Modifier::Shift}};
    }
};

}  // namespace korrelang::shortcuts
