#include "layout_identifier.h"

namespace korrelang::platform::x11 {

namespace {

constexpr std::string_view kPrefix = "xkb.";

bool isNameByte(unsigned char c) {
    // Bytes of multi-byte UTF-8 sequences are letters of other scripts: keep them whole.
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c >= 0x80;
}

bool isCodeText(std::string_view text) {
    for (const char c : text) {
        if (c == '.' || c == '(' || c == ')' || c == ',' || c == ' ') {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string LayoutIdentifier::build(const XkbLayout& layout, std::string_view name) {
    std::string id(kPrefix);
    id += layout.layout;
    if (!layout.variant.empty()) {
        id += '(';
        id += layout.variant;
        id += ')';
    }
    id += '.';
    const std::string component = nameComponent(name);
    id += component.empty() ? layout.layout : component;
    return id;
}

std::optional<XkbLayout> LayoutIdentifier::parse(std::string_view id) {
    if (!id.starts_with(kPrefix)) {
        return std::nullopt;
    }
    id.remove_prefix(kPrefix.size());
    const auto dot = id.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == id.size()) {
        return std::nullopt;
    }
    std::string_view code = id.substr(0, dot);
    XkbLayout result;
    const auto open = code.find('(');
    if (open == std::string_view::npos) {
        result.layout = std::string(code);
    } else {
        if (!code.ends_with(')') || open == 0 || open + 2 >= code.size()) {
            return std::nullopt;
        }
        result.layout = std::string(code.substr(0, open));
        result.variant = std::string(code.substr(open + 1, code.size() - open - 2));
    }
    if (!isCodeText(result.layout) || !isCodeText(result.variant)) {
        return std::nullopt;
    }
    return result;
}

std::string LayoutIdentifier::nameComponent(std::string_view description) {
    std::string name;
    bool pendingHyphen = false;
    for (const char c : description) {
        if (isNameByte(static_cast<unsigned char>(c))) {
            if (pendingHyphen && !name.empty()) {
                name += '-';
            }
            pendingHyphen = false;
            name += c;
        } else {
            pendingHyphen = true;
        }
    }
    return name;
}

}  // namespace korrelang::platform::x11
