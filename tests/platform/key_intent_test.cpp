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
        {"select to line start", Key::left, cmd | shift, false, {{kShift}, 110}},
        {"select to line end", Key::right, cmd | shift, false, {{kShift}, 115}},
        {"right arrow", Key::right, 0, false, {{}, 114}},
        {"plain letter", 0, 0, false, {{}, 38}},
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

TEST(KeyIntent, TerminalsGetOnlyBackSpaceAndPasteKeys) {
    const std::uint32_t cmd = ModifierFlag::command;
    const std::uint32_t shift = ModifierFlag::shift;
    const std::uint32_t control = ModifierFlag::control;
    struct Case {
        const char* name;
        KeyCode key;
        std::uint32_t flags;
        std::optional<KeyStroke> expected;
    };
    const Case cases[] = {
        {"backspace", Key::deleteKey, 0, KeyStroke{{}, 22}},
        {"paste", Key::v, cmd, KeyStroke{{kControl, kShift}, 55}},
        {"shift+insert pastes the mouse selection", Key::insert, shift, KeyStroke{{kShift}, 118}},
        // Each of these reaches the shell as a signal or an editing command.
        {"copy (^C, or a copy key the terminal may not bind)", Key::c, cmd, std::nullopt},
        {"control+c", Key::c, control, std::nullopt},
        {"control+shift+c", Key::c, control | shift, std::nullopt},
        {"select all", Key::a, cmd, std::nullopt},
        {"select to line start", Key::left, cmd | shift, std::nullopt},
        {"right arrow", Key::right, 0, std::nullopt},
        {"a letter", 0, 0, std::nullopt},
        {"backspace with control", Key::deleteKey, control, std::nullopt},
        {"paste with control as well", Key::v, cmd | control, std::nullopt},
        {"insert without shift", Key::insert, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyIntent::isSafeInTerminal(c.key, c.flags), c.expected.has_value()) << c.name;
        EXPECT_EQ(KeyIntent::translate(c.key, c.flags, true), c.expected) << c.name;
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
