#pragma once

#include <string>

namespace korrelang::keyboards {

/// One enabled keyboard layout as offered to the user.
struct KeyboardLayout {
    std::string id;             ///< the layout identifier stored in the selected keyboards
    std::string name;           ///< the desktop's name of the layout
    std::string localizedName;  ///< the catalogue's language name, else `name`
    bool operator==(const KeyboardLayout&) const = default;
};

}  // namespace korrelang::keyboards

template <>
struct std::hash<korrelang::keyboards::KeyboardLayout> {
    std::size_t operator()(const korrelang::keyboards::KeyboardLayout& layout) const noexcept {
        std::size_t seed = 0;
        for (const std::string* field : {&layout.id, &layout.name, &layout.localizedName}) {
            seed ^= std::hash<std::string>{}(*field) + 0x9e3779b97f4a7c15ULL + (seed << 6) +
                    (seed >> 2);
        }
        return seed;
    }
};
