#include "platform/x11/xcb_hot_keys.h"

#include <gtest/gtest.h>

#include "support/desktop_harness.h"

namespace korrelang::platform::x11 {
namespace {

using testing::runProgram;
using testing::waitUntil;

constexpr Modifiers kControlShift = Modifier::Control | Modifier::Shift;

struct Counts {
    int presses = 0;
    int releases = 0;
};

HotKeys::Registration registerCounting(XcbHotKeys& hotKeys, Counts& counts) {
    return hotKeys.registerHotKey(
        KEY_SPACE, kControlShift, [&] { ++counts.presses; }, [&] { ++counts.releases; });
}

TEST(XcbHotKeys, SeesPressAndReleaseWhateverTheLocks) {
    XcbHotKeys hotKeys;
    Counts counts;
    ASSERT_TRUE(registerCounting(hotKeys, counts).succeeded());

    runProgram("xdotool", {"key", "ctrl+shift+space"});
    EXPECT_TRUE(waitUntil([&] { return counts.releases == 1; }));
    EXPECT_EQ(counts.presses, 1);

    runProgram("xdotool", {"key", "Caps_Lock"});
    runProgram("xdotool", {"key", "ctrl+shift+space"});
    EXPECT_TRUE(waitUntil([&] { return counts.releases == 2; }));
    EXPECT_EQ(counts.presses, 2);
    runProgram("xdotool", {"key", "Caps_Lock"});

    // The modifiers let go before the key still count as a release of the hot key.
    runProgram("xdotool", {"keydown", "ctrl+shift+space"});
    EXPECT_TRUE(waitUntil([&] { return counts.presses == 3; }));
    runProgram("xdotool", {"keyup", "ctrl"});
    runProgram("xdotool", {"keyup", "shift"});
    runProgram("xdotool", {"keyup", "space"});
    EXPECT_TRUE(waitUntil([&] { return counts.releases == 3; }));
}

TEST(XcbHotKeys, ASecondGrabberIsRefusedUntilTheFirstLetsGo) {
    XcbHotKeys first;
    XcbHotKeys second;
    Counts firstCounts;
    Counts secondCounts;
    const auto registration = registerCounting(first, firstCounts);
    ASSERT_TRUE(registration.succeeded());

    const auto refused = registerCounting(second, secondCounts);
    EXPECT_FALSE(refused.succeeded());
    EXPECT_EQ(refused.status, HotKeys::RegistrationStatus::taken);

    first.suspend();
    const auto taken = registerCounting(second, secondCounts);
    ASSERT_TRUE(taken.succeeded());
    EXPECT_FALSE(first.resume());  // the key belongs to the second one now

    runProgram("xdotool", {"key", "ctrl+shift+space"});
    EXPECT_TRUE(waitUntil([&] { return secondCounts.releases == 1; }));
    EXPECT_EQ(firstCounts.presses, 0);

    second.unregisterHotKey(taken.id);
    EXPECT_TRUE(first.resume());
    runProgram("xdotool", {"key", "ctrl+shift+space"});
    EXPECT_TRUE(waitUntil([&] { return firstCounts.releases == 1; }));
}

TEST(XcbHotKeys, KeepsWorkingAfterTheKeymapChanges) {
    XcbHotKeys hotKeys;
    Counts counts;
    ASSERT_TRUE(registerCounting(hotKeys, counts).succeeded());
    runProgram("setxkbmap", {"-layout", "us,de"});
    runProgram("xdotool", {"key", "ctrl+shift+space"});
    EXPECT_TRUE(waitUntil([&] { return counts.releases == 1; }));
    runProgram("setxkbmap", {"-layout", "us,ru,il,th"});
    runProgram("xdotool", {"key", "ctrl+shift+space"});
    EXPECT_TRUE(waitUntil([&] { return counts.releases == 2; }));
}

TEST(XcbHotKeys, RefusesKeysItCannotGrab) {
    XcbHotKeys hotKeys;
    EXPECT_EQ(hotKeys.registerHotKey(KEY_FN, kControlShift, {}, {}).status,
              HotKeys::RegistrationStatus::unknownKey);
}

}  // namespace
}  // namespace korrelang::platform::x11
