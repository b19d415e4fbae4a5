#include "platform/x11/key_intent.h"

#include <gtest/gtest.h>

#include "platform/key_codes.h"
#include "platform/x11/modifier_masks.h"

namespace korrelang::platform::x11 {
namespace {

constexpr XKeycode kShift = 50;
constexpr XKeycode kControl = 37;
constexpr XKeycode kAlt = 64;

TEST(KeyIntent, TranslatesIntentsPerTarget) {
    struct Case {
        const char* name;
        KeyCode key;
        std::uint32_t flags;
        bool terminal;
        KeyStroke expected;
    };
    const std::uint32_t cmd = ModifierFlag::command;
    const std::uint32_t shift = ModifierFlag::shift;
    const Case cases[] = {
        {"copy", Key::c, cmd, false, {{kControl}, 54}},
        {"paste", Key::v, cmd, false, {{kControl}, 55}},
        {"select all", Key::a, cmd, false, {{kControl}, 38}},
        {"copy in a terminal never sends a bare Control+C",
         Key::c,
         cmd,
         true,
         {{kControl, kShift}, 54}},
        {"paste in a terminal", Key::v, cmd, true, {{kControl, kShift}, 55}},
        {"select to line start", Key::left, cmd | shift, false, {{kShift}, 110}},
        {"select to line end", Key::right, cmd | shift, false, {{kShift}, 115}},
        {"right arrow", Key::right, 0, false, {{}, 114}},
        {"plain letter", 0, 0, true, {{}, 38}},
        {"shift and option pass through",
         0,
         shift | ModifierFlag::option,
         false,
         {{kShift, kAlt}, 38}},
        {"caps lock and function are not keys to hold",
         0,
         ModifierFlag::capsLock | ModifierFlag::function,
         false,
         {{}, 38}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyIntent::translate(c.key, c.flags, c.terminal), c.expected) << c.name;
    }
    EXPECT_EQ(KeyIntent::translate(52, cmd, false), std::nullopt);
}

TEST(KeyIntent, RecognisesTerminalsByClassOrApplicationID) {
    for (const char* id :
         {"XTerm", "xterm", "org.gnome.Terminal", "Gnome-terminal", "konsole", "org.kde.konsole",
          "kitty", "Alacritty", "xfce4-terminal", "org.wezfurlong.wezterm", "URxvt"}) {
        EXPECT_TRUE(KeyIntent::isTerminal(id)) << id;
    }
    for (const char* id :
         {"org.xfce.mousepad", "Mousepad", "firefox", "", "terminal-notes", "code"}) {
        EXPECT_FALSE(KeyIntent::isTerminal(id)) << id;
    }
}

TEST(ModifierMasks, HotKeyModifiersAndLockVariants) {
    EXPECT_EQ(ModifierMasks::fromHotKeyModifiers(HotKeyModifier::control | HotKeyModifier::shift),
              ModifierMasks::control | ModifierMasks::shift);
    EXPECT_EQ(ModifierMasks::fromHotKeyModifiers(HotKeyModifier::option | HotKeyModifier::command),
              ModifierMasks::mod1 | ModifierMasks::mod4);
    EXPECT_EQ(ModifierMasks::fromHotKeyModifiers(0), 0);
    EXPECT_EQ(ModifierMasks::fromHotKeyModifiers(HotKeyModifier::function), std::nullopt);

    const auto variants = ModifierMasks::lockVariants(ModifierMasks::control);
    const std::array<std::uint16_t, 4> expected = {4, 4 | 2, 4 | 16, 4 | 2 | 16};
    EXPECT_EQ(variants, expected);
}

}  // namespace
}  // namespace korrelang::platform::x11
