#pragma once

#include <optional>
#include <string_view>

#include "shortcut.h"

namespace korrelang::shortcuts {

/// Reads the shortcut form that earlier versions stored, {"carbonKeyCode":49,
/// "carbonModifiers":4608}: their own key numbering and modifier mask, which are converted here
/// once so that the stored value can be rewritten as an accelerator.
class LegacyShortcut {
public:
    /// Nothing unless `json` is an object with both members as integers in range, the key is one
    /// a shortcut could use and every modifier bit has a Linux counterpart (the Function modifier
    /// has none).
    static std::optional<Shortcut> fromJson(std::string_view json);
};

}  // namespace korrelang::shortcuts
