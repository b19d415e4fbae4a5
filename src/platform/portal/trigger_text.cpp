#include "trigger_text.h"

#include <xkbcommon/xkbcommon.h>

#include <memory>

#include "platform/x11/x_keycode.h"

namespace korrelang::platform::portal {

namespace {

struct ContextDeleter {
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
};
struct KeymapDeleter {
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};

// The keysym names are those of the US layout, which the shortcut text is written in whatever
// layout is active, the way the desktop's own shortcut settings write them.
std::optional<std::string> keysymName(KeyCode key) {
    const auto xKey = x11::toXKeycode(key);
    if (!xKey) {
        return std::nullopt;
    }
    static const auto keymap = [] {
        const std::unique_ptr<xkb_context, ContextDeleter> context(
            xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
        const xkb_rule_names names{"evdev", "pc105", "us", "", ""};
        return std::unique_ptr<xkb_keymap, KeymapDeleter>(
            context ? xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS)
                    : nullptr);
    }();
    if (!keymap) {
        return std::nullopt;
    }
    const xkb_keysym_t* syms = nullptr;
    if (xkb_keymap_key_get_syms_by_level(keymap.get(), *xKey, 0, 0, &syms) < 1) {
        return std::nullopt;
    }
    char name[64] = {};
    if (xkb_keysym_get_name(syms[0], name, sizeof name) <= 0) {
        return std::nullopt;
    }
    return std::string(name);
}

}  // namespace

std::optional<std::string> TriggerText::build(KeyCode key, Modifiers modifiers) {
    auto name = keysymName(key);
    if (!name) {
        return std::nullopt;
    }
    std::string text;
    if (modifiers & Modifier::Control) {
        text += "CTRL+";
    }
    if (modifiers & Modifier::Alt) {
        text += "ALT+";
    }
    if (modifiers & Modifier::Shift) {
        text += "SHIFT+";
    }
    if (modifiers & Modifier::Super) {
        text += "LOGO+";
    }
    return text + *name;
}

}  // namespace korrelang::platform::portal
