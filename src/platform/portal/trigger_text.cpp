#include "trigger_text.h"

#include "platform/x11/us_key_names.h"

namespace korrelang::platform::portal {

std::optional<std::string> TriggerText::build(KeyCode key, Modifiers modifiers) {
    auto name = x11::UsKeyNames::name(key);
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
