#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korrelang::platform::x11 {

/// An XKB layout with its variant ("ru", ""; "us", "dvorak").
struct XkbLayout {
    std::string layout;
    std::string variant;
    bool operator==(const XkbLayout&) const = default;
};

/// Identifiers of XKB layouts: "xkb.<layout>[(<variant>)].<Name>", e.g. "xkb.ru.Russian" or
/// "xkb.us(dvorak).Dvorak". The name is the last "."-separated component, which is what the
/// catalogue matches; layout and variant make the identifier unique and let it be selected again.
class LayoutIdentifier {
public:
    static std::string build(const XkbLayout& layout, std::string_view name);
    /// The layout and variant of an identifier built by `build`, or nothing for any other text.
    static std::optional<XkbLayout> parse(std::string_view id);
    /// Turns a description ("English (US, intl., with dead keys)") into a name component
    /// ("English-US-intl-with-dead-keys"): ASCII letters and digits kept, every other run of
    /// characters one hyphen, none at either end. Non-ASCII letters are kept as they are.
    static std::string nameComponent(std::string_view description);
};

}  // namespace korrelang::platform::x11
