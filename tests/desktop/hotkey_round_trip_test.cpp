#include <gtest/gtest.h>

#include "platform/linux/linux_desktop.h"
#include "service/accessibility_service.h"
#include "support/desktop_harness.h"
#include "support/selection_conversion.h"

namespace korrelang::platform {
namespace {

using testing::Mousepad;
using testing::tapKey;
using testing::waitUntil;

constexpr unsigned kControl = 37;  // X keycodes
constexpr unsigned kShift = 50;
constexpr unsigned kSpace = 65;

// The whole seam in one press: the real hot key, the focused editor's selection read through
// AT-SPI, converted, and written back in place.
TEST(HotkeyRoundTrip, ConvertsTheSelectionOnRelease) {
    linux_desktop::LinuxDesktop desktop;
    ASSERT_TRUE(desktop.isConnected());
    Platform platform = desktop.bundle();
    service::AccessibilityService service(platform.accessibility, platform.inputSources,
                                          platform.workspace);
    ASSERT_TRUE(service.checkAccessibilityPermission());

    int conversions = 0;
    const auto convert = [&] {
        if (testing::convertSelection(service, {"xkb.us.English", "xkb.ru.Russian"},
                                      service.getCurrentKeyboardID())) {
            ++conversions;
        }
    };
    const auto registration = platform.hotKeys.registerHotKey(
        KEY_SPACE, Modifier::Control | Modifier::Shift, {}, convert);
    ASSERT_TRUE(registration.succeeded());

    Mousepad editor;
    ASSERT_TRUE(editor.isReady());
    editor.type("ghbdtn");
    editor.key("ctrl+a");
    ASSERT_TRUE(waitUntil([&] { return service.getSelectedText().has_value(); }));

    tapKey(kSpace, {kControl, kShift});
    ASSERT_TRUE(waitUntil([&] { return conversions == 1; }));
    const auto value = service.getFocusedElement()->value();
    EXPECT_EQ(value.value, "привет");
}

}  // namespace
}  // namespace korrelang::platform
