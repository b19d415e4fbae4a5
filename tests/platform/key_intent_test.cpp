#include "platform/x11/key_intent.h"

#include <gtest/gtest.h>

#include "platform/key_codes.h"
#include "platform/x11/modifier_masks.h"

namespace korrelang::platform::x11 {
namespace {

constexpr KeyCode kShift = KEY_LEFTSHIFT;
constexpr KeyCode kControl = KEY_LEFTCTRL;
constexpr KeyCode kAlt = KEY_LEFTALT;

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
        {"copy", KEY_C, cmd, false, {{kControl}, KEY_C}},
        {"paste", KEY_V, cmd, false, {{kControl}, KEY_V}},
        {"select all", KEY_A, cmd, false, {{kControl}, KEY_A}},
        {"select to line start", KEY_LEFT, cmd | shift, false, {{kShift}, KEY_HOME}},
        {"select to line end", KEY_RIGHT, cmd | shift, false, {{kShift}, KEY_END}},
        {"right arrow", KEY_RIGHT, 0, false, {{}, KEY_RIGHT}},
        {"plain letter", KEY_A, 0, false, {{}, KEY_A}},
        {"shift and option pass through",
         KEY_A,
         shift | ModifierFlag::option,
         false,
         {{kShift, kAlt}, KEY_A}},
        {"caps lock and function are not keys to hold",
         KEY_A,
         ModifierFlag::capsLock | ModifierFlag::function,
         false,
         {{}, KEY_A}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyIntent::translate(c.key, c.flags, c.terminal), c.expected) << c.name;
    }
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
        {"backspace", KEY_BACKSPACE, 0, KeyStroke{{}, KEY_BACKSPACE}},
        {"paste", KEY_V, cmd, KeyStroke{{kControl, kShift}, KEY_V}},
        {"shift+insert pastes the mouse selection", KEY_INSERT, shift,
         KeyStroke{{kShift}, KEY_INSERT}},
        // Each of these reaches the shell as a signal or an editing command.
        {"copy (^C, or a copy key the terminal may not bind)", KEY_C, cmd, std::nullopt},
        {"control+c", KEY_C, control, std::nullopt},
        {"control+shift+c", KEY_C, control | shift, std::nullopt},
        {"select all", KEY_A, cmd, std::nullopt},
        {"select to line start", KEY_LEFT, cmd | shift, std::nullopt},
        {"right arrow", KEY_RIGHT, 0, std::nullopt},
        {"a letter", KEY_A, 0, std::nullopt},
        {"backspace with control", KEY_BACKSPACE, control, std::nullopt},
        {"paste with control as well", KEY_V, cmd | control, std::nullopt},
        {"insert without shift", KEY_INSERT, 0, std::nullopt},
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
