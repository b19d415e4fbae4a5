#include "platform/x11/key_intent.h"

#include <gtest/gtest.h>

#include "platform/key_codes.h"
#include "platform/x11/modifier_masks.h"

namespace korrelang::platform::x11 {
namespace {

constexpr KeyCode kShift = KEY_LEFTSHIFT;
constexpr KeyCode kControl = KEY_LEFTCTRL;
constexpr KeyCode kAlt = KEY_LEFTALT;

TEST(KeyIntent, PressesTheLeftModifierKeysAroundTheKey) {
    struct Case {
        const char* name;
        KeyCode key;
        Modifiers flags;
        KeyStroke expected;
    };
    const Case cases[] = {
        {"copy", KEY_C, Modifier::Control, {{kControl}, KEY_C}},
        {"paste", KEY_V, Modifier::Control, {{kControl}, KEY_V}},
        {"select to line start", KEY_HOME, Modifier::Shift, {{kShift}, KEY_HOME}},
        {"right arrow", KEY_RIGHT, {}, {{}, KEY_RIGHT}},
        {"shift and alt", KEY_A, Modifier::Shift | Modifier::Alt, {{kShift, kAlt}, KEY_A}},
        {"control, shift and super in that order",
         KEY_T,
         Modifier::Super | Modifier::Shift | Modifier::Control,
         {{kControl, kShift, KEY_LEFTMETA}, KEY_T}},
        {"caps lock is a state, not a key to hold", KEY_A, Modifier::CapsLock, {{}, KEY_A}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyIntent::translate(c.key, c.flags, false), c.expected) << c.name;
    }
}

TEST(KeyIntent, TerminalsGetOnlyBackSpaceAndPasteKeys) {
    const Modifiers shift = Modifier::Shift;
    const Modifiers control = Modifier::Control;
    struct Case {
        const char* name;
        KeyCode key;
        Modifiers flags;
        std::optional<KeyStroke> expected;
    };
    const Case cases[] = {
        {"backspace", KEY_BACKSPACE, {}, KeyStroke{{}, KEY_BACKSPACE}},
        {"paste becomes the terminal's paste", KEY_V, control,
         KeyStroke{{kControl, kShift}, KEY_V}},
        {"the terminal's paste", KEY_V, control | shift, KeyStroke{{kControl, kShift}, KEY_V}},
        {"shift+insert pastes the mouse selection", KEY_INSERT, shift,
         KeyStroke{{kShift}, KEY_INSERT}},
        // Each of these reaches the shell as a signal or an editing command.
        {"control+c", KEY_C, control, std::nullopt},
        {"control+shift+c", KEY_C, control | shift, std::nullopt},
        {"select all", KEY_A, control, std::nullopt},
        {"select to line start", KEY_HOME, shift, std::nullopt},
        {"right arrow", KEY_RIGHT, {}, std::nullopt},
        {"a letter", KEY_A, {}, std::nullopt},
        {"backspace with control", KEY_BACKSPACE, control, std::nullopt},
        {"paste with alt as well", KEY_V, control | Modifier::Alt, std::nullopt},
        {"v alone", KEY_V, {}, std::nullopt},
        {"insert without shift", KEY_INSERT, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyIntent::isSafeInTerminal(c.key, c.flags), c.expected.has_value()) << c.name;
        EXPECT_EQ(KeyIntent::translate(c.key, c.flags, true), c.expected) << c.name;
    }
}

TEST(ModifierMasks, HotKeyModifiersAndLockVariants) {
    EXPECT_EQ(ModifierMasks::of(Modifier::Control | Modifier::Shift),
              ModifierMasks::control | ModifierMasks::shift);
    EXPECT_EQ(ModifierMasks::of(Modifier::Alt | Modifier::Super),
              ModifierMasks::mod1 | ModifierMasks::mod4);
    EXPECT_EQ(ModifierMasks::of({}), 0);
    EXPECT_EQ(ModifierMasks::of(Modifier::CapsLock), 0);

    const auto variants = ModifierMasks::lockVariants(ModifierMasks::control);
    const std::array<std::uint16_t, 4> expected = {4, 4 | 2, 4 | 16, 4 | 2 | 16};
    EXPECT_EQ(variants, expected);
}

}  // namespace
}  // namespace korrelang::platform::x11
