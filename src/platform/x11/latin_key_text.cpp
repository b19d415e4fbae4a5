#include "latin_key_text.h"

#include "x_keycode.h"
#include "xkb_handles.h"

namespace korrelang::platform::x11 {

namespace {

constexpr std::size_t kMaxGroups = 4;

bool isLatinLetter(xkb_keysym_t keysym) {
    return (keysym >= XKB_KEY_a && keysym <= XKB_KEY_z) ||
           (keysym >= XKB_KEY_A && keysym <= XKB_KEY_Z);
}

// Comma-separated even when parts are empty: "us,us(dvorak)" has the variants ",dvorak".
std::string joined(const std::vector<XkbLayout>& layouts, std::string XkbLayout::*part) {
    std::string out;
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        out += (i == 0 ? "" : ",") + layouts[i].*part;
    }
    return out;
}

}  // namespace

std::optional<std::string> LatinKeyText::find(int groups, int active, KeyCode key,
                                              const KeysymOf& keysym) {
    std::vector<int> order{active};
    for (int group = 0; group < groups; ++group) {
        if (group != active) {
            order.push_back(group);
        }
    }
    for (const int group : order) {
        if (!isLatinLetter(keysym(KEY_A, group))) {
            continue;
        }
        char text[8] = {};
        const int length = xkb_keysym_to_utf8(keysym(key, group), text, sizeof text);
        // Escape, Tab and Return "type" control characters; a shortcut cannot show those.
        if (length <= 1 || static_cast<unsigned char>(text[0]) < 0x20 || text[0] == 0x7F) {
            return std::nullopt;
        }
        return std::string(text);
    }
    return std::nullopt;
}

std::optional<std::string> LatinKeyText::compiled(const std::vector<XkbLayout>& layouts, int active,
                                                  KeyCode key) {
    if (layouts.empty()) {
        return std::nullopt;
    }
    // A keymap holds four layouts at most: the active one goes first so that it is never the one
    // left out.
    std::vector<XkbLayout> ordered;
    const auto first = static_cast<std::size_t>(active) < layouts.size() && active > 0
                           ? static_cast<std::size_t>(active)
                           : 0;
    ordered.push_back(layouts[first]);
    for (std::size_t i = 0; i < layouts.size() && ordered.size() < kMaxGroups; ++i) {
        if (i != first) {
            ordered.push_back(layouts[i]);
        }
    }
    const XkbContext context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    const std::string layoutList = joined(ordered, &XkbLayout::layout);
    const std::string variantList = joined(ordered, &XkbLayout::variant);
    const xkb_rule_names names{"evdev", "pc105", layoutList.c_str(), variantList.c_str(), ""};
    const XkbKeymap keymap(
        context ? xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS)
                : nullptr);
    if (!keymap) {
        return std::nullopt;
    }
    return find(static_cast<int>(ordered.size()), 0, key, [&](KeyCode code, int group) {
        const xkb_keysym_t* syms = nullptr;
        const int count = xkb_keymap_key_get_syms_by_level(
            keymap.get(), code + kXKeycodeOffset, static_cast<xkb_layout_index_t>(group), 0, &syms);
        return count > 0 ? syms[0] : XKB_KEY_NoSymbol;
    });
}

}  // namespace korrelang::platform::x11
