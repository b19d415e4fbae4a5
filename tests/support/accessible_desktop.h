#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "platform/atspi/atspi_accessibility.h"
#include "platform/x11/active_window.h"
#include "platform/x11/display_connection.h"

namespace korrelang::testing {

/// The session's focused text field as AT-SPI reports it, which is how desktop tests and
/// benchmarks read an application's text back: a display connection, the active window (whose
/// process AT-SPI checks the focus against) and the accessibility back end.
class AccessibleDesktop {
public:
    AccessibleDesktop();

    /// The focused text element, or null.
    std::shared_ptr<platform::TextElement> field();
    /// Whether the focused field holds `expected` right now.
    bool fieldIs(const std::string& expected);
    /// Waits until the focused field holds `expected`; on failure prints what it holds.
    bool fieldShows(const std::string& expected,
                    std::chrono::milliseconds limit = std::chrono::seconds(10));

    std::shared_ptr<platform::x11::DisplayConnection> display;
    platform::x11::ActiveWindow activeWindow;
    platform::atspi::AtspiAccessibility accessibility;
};

}  // namespace korrelang::testing
