#include "us_key_names.h"

#include <xkbcommon/xkbcommon.h>

#include <utility>

#include "x_keycode.h"
#include "xkb_handles.h"

namespace korrelang::platform::x11 {

namespace {

// Compiled once: the same rules give the same keymap for the program's lifetime.
xkb_keymap* usKeymap() {
    static const auto keymap = [] {
        const XkbContext context(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
        const xkb_rule_names names{"evdev", "pc105", "us", "", ""};
        return XkbKeymap(
            context ? xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS)
                    : nullptr);
    }();
    return keymap.get();
}

xkb_keysym_t keysymAt(xkb_keymap* keymap, xkb_keycode_t keycode, xkb_level_index_t level) {
    const xkb_keysym_t* syms = nullptr;
    return xkb_keymap_key_get_syms_by_level(keymap, keycode, 0, level, &syms) > 0
               ? syms[0]
               : XKB_KEY_NoSymbol;
}

}  // namespace

std::optional<std::string> UsKeyNames::name(KeyCode key) {
    xkb_keymap* keymap = usKeymap();
    const auto keycode = toXKeycode(key);
    if (!keymap || !keycode) {
        return std::nullopt;
    }
    const xkb_keysym_t keysym = keysymAt(keymap, *keycode, 0);
    char name[64] = {};
    if (keysym == XKB_KEY_NoSymbol || xkb_keysym_get_name(keysym, name, sizeof name) <= 0) {
        return std::nullopt;
    }
    return std::string(name);
}

std::optional<KeyCode> UsKeyNames::key(std::string_view name) {
    xkb_keymap* keymap = usKeymap();
    const std::string text(name);
    // An exact match first: "A" and "a" are different keysyms on the same key.
    xkb_keysym_t keysym = xkb_keysym_from_name(text.c_str(), XKB_KEYSYM_NO_FLAGS);
    if (keysym == XKB_KEY_NoSymbol) {
        keysym = xkb_keysym_from_name(text.c_str(), XKB_KEYSYM_CASE_INSENSITIVE);
    }
    if (!keymap || keysym == XKB_KEY_NoSymbol) {
        return std::nullopt;
    }
    // A key that types the name without Shift wins ("less" is the ISO key, not Shift+comma).
    // F13–F24 type media keysyms that media keys share (F13 and the Tools key both type
    // XF86Tools): a recorded function key must come back as itself. Otherwise the lowest wins.
    for (xkb_level_index_t level = 0; level < 2; ++level) {
        std::optional<KeyCode> found;
        for (xkb_keycode_t keycode = xkb_keymap_min_keycode(keymap);
             keycode <= xkb_keymap_max_keycode(keymap); ++keycode) {
            if (keysymAt(keymap, keycode, level) != keysym) {
                continue;
            }
            const auto key = fromXKeycode(keycode);
            if (key && *key >= KEY_F13 && *key <= KEY_F24) {
                return key;
            }
            found = found ? found : key;
        }
        if (found) {
            return found;
        }
    }
    return std::nullopt;
}

std::optional<std::string> UsKeyNames::accelerator(KeyCode key, Modifiers modifiers) {
    const auto keyName = name(key);
    if (!keyName) {
        return std::nullopt;
    }
    std::string text;
    for (const auto& [modifier, written] :
         {std::pair{Modifier::Control, "<Control>"}, std::pair{Modifier::Shift, "<Shift>"},
          std::pair{Modifier::Alt, "<Alt>"}, std::pair{Modifier::Super, "<Super>"}}) {
        if (modifiers.has(modifier)) {
            text += written;
        }
    }
    return text + *keyName;
}

}  // namespace korrelang::platform::x11
