#include "accessible_desktop.h"

#include <cstdio>
#include <optional>

#include "desktop_harness.h"

namespace korrelang::testing {

AccessibleDesktop::AccessibleDesktop()
    : display(platform::x11::DisplayConnection::open()),
      activeWindow(display),
      accessibility([this]() -> std::optional<long> {
          const auto window = activeWindow.query();
          return window ? window->pid : std::nullopt;
      }) {}

std::shared_ptr<platform::TextElement> AccessibleDesktop::field() {
    return accessibility.focusedElement().element;
}

bool AccessibleDesktop::fieldIs(const std::string& expected) {
    const auto element = field();
    return element && element->value().value == expected;
}

bool AccessibleDesktop::fieldShows(const std::string& expected, std::chrono::milliseconds limit) {
    std::optional<std::string> value;
    const bool shown = waitUntil(
        [&] {
            const auto element = field();
            value = element ? element->value().value : std::nullopt;
            return value == expected;
        },
        limit);
    if (!shown) {
        std::printf("the field shows \"%s\"\n", value ? value->c_str() : "(nothing)");
    }
    return shown;
}

}  // namespace korrelang::testing
