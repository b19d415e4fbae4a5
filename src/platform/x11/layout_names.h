#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace korrelang::platform::x11 {

/// Names of the XKB layouts the conversion catalogue knows. Each name, as the last component of a
/// layout identifier, resolves to the catalogue language the layout types; every catalogue
/// language has at least one entry. Layouts not listed are named from the XKB registry instead.
class LayoutNames {
public:
    struct Entry {
        std::string_view layout;
        std::string_view variant;  ///< empty for the layout's base variant
        std::string_view name;
    };

    static std::span<const Entry> entries();
    static std::optional<std::string_view> nameFor(std::string_view layout,
                                                   std::string_view variant);
};

}  // namespace korrelang::platform::x11
