#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korrelang::platform::wayland {

/// A short-lived look at the compositor: connects to WAYLAND_DISPLAY, lists the registry's
/// globals and disconnects.
class RegistryProbe {
public:
    /// The interface names of the globals, or nothing when no compositor could be reached.
    static std::optional<std::vector<std::string>> globals();
};

}  // namespace korrelang::platform::wayland
