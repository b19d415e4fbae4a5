#pragma once

#include <chrono>
#include <optional>

namespace korrelang::platform::atspi {

/// The session's accessibility switch: `org.a11y.Status.IsEnabled` of the `org.a11y.Bus`
/// service on the session bus.
class AccessibilityBus {
public:
    /// Whether accessibility is on; nothing when the service cannot be reached in time.
    static std::optional<bool> isEnabled(std::chrono::milliseconds timeout);
    /// Switches it on; whether the service accepted.
    static bool enable(std::chrono::milliseconds timeout);
};

}  // namespace korrelang::platform::atspi
