#pragma once

#include <xkbcommon/xkbcommon.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "layout_identifier.h"
#include "platform/key_codes.h"

namespace korrelang::platform::x11 {

/// What a key types with no modifiers, for naming it in a shortcut: on the active layout when
/// that layout types Latin letters, else on the first layout that does.
class LatinKeyText {
public:
    /// Reads the keysym of an evdev key on the first shift level of a layout (group).
    using KeysymOf = std::function<xkb_keysym_t(KeyCode key, int group)>;

    /// Nothing when no layout of `groups` types Latin letters, or when the key types no printable
    /// character on the one chosen.
    static std::optional<std::string> find(int groups, int active, KeyCode key,
                                           const KeysymOf& keysym);
    /// The same on a keymap compiled from `layouts` by the rules desktops use: a compositor's
    /// keymap is not ours to read, and the same rules build the same one.
    static std::optional<std::string> compiled(const std::vector<XkbLayout>& layouts, int active,
                                               KeyCode key);
};

}  // namespace korrelang::platform::x11
