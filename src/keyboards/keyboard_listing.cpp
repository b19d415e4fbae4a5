#include "keyboard_listing.h"

#include <cstdio>

namespace korrelang::keyboards {

namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
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
