#include "json_string.h"

namespace korrelang::engine {

std::string JsonString::quoted(std::string_view text, ControlEscapes escapes) {
    std::string out;
    out.reserve(text.size() + 2);
    appendQuoted(out, text, escapes);
    return out;
}

void JsonString::appendQuoted(std::string& out, std::string_view text, ControlEscapes escapes) {
    static constexpr char kHex[] = "0123456789abcdef";
    // JSON's two-character escapes of the control characters 8 to 13 (none for 11).
    static constexpr char kShort[] = "btn\0fr";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const char letter =
            escapes == ControlEscapes::Short && byte >= 8 && byte <= 13 ? kShort[byte - 8] : '\0';
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte >= 0x20) {
            out += c;
        } else if (letter != '\0') {
            out += '\\';
            out += letter;
        } else {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xf];
        }
    }
    out += '"';
}

}  // namespace korrelang::engine
