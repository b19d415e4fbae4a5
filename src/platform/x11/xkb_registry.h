#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "layout_identifier.h"

namespace korrelang::platform::x11 {

/// The descriptions of the stock XKB layouts ("English (US)", "Russian"), read once from the
/// XKB registry files.
class XkbRegistry {
public:
    /// Parses the default rule set; an unreadable registry leaves the registry empty.
    XkbRegistry();

    bool isLoaded() const { return !m_descriptions.empty(); }
    /// The description of a layout and variant, or nothing when the registry lacks it.
    std::optional<std::string> description(const XkbLayout& layout) const;
    /// The layout and variant a description belongs to ("Russian" → ru), for desktops that
    /// report layouts by description only; the base variant wins when several share it.
    std::optional<XkbLayout> layoutFor(std::string_view description) const;

private:
    std::map<std::pair<std::string, std::string>, std::string, std::less<>> m_descriptions;
};

}  // namespace korrelang::platform::x11
