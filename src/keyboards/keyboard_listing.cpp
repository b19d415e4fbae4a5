#include "keyboard_listing.h"

#include "engine/json_string.h"

namespace korrelang::keyboards {

namespace {

// Control characters as \u00XX, as the listing has always written them.
std::string quoted(const std::string& text) {
    return engine::JsonString::quoted(text, engine::JsonString::ControlEscapes::Unicode);
}

}  // namespace

std::string KeyboardListing::text(const DetectedKeyboards& detected) {
    std::string out;
    if (detected.isFallback) {
        out += "# the desktop reported no keyboard layouts; these are the defaults\n";
    }
    for (const KeyboardLayout& keyboard : detected.keyboards) {
        out += keyboard.id + '\t' + keyboard.name + '\t' + keyboard.localizedName + '\n';
    }
    return out;
}

std::string KeyboardListing::json(const DetectedKeyboards& detected) {
    std::string out = "[";
    bool first = true;
    for (const KeyboardLayout& keyboard : detected.keyboards) {
        out += first ? "" : ",";
        first = false;
        out += "{\"id\":" + quoted(keyboard.id) + ",\"name\":" + quoted(keyboard.name) +
               ",\"localizedName\":" + quoted(keyboard.localizedName) + "}";
    }
    return out + "]\n";
}

}  // namespace korrelang::keyboards
