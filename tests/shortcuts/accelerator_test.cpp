#include "shortcuts/accelerator.h"

#include <gtest/gtest.h>

#include "shortcuts/legacy_shortcut.h"

namespace korrelang::shortcuts {
namespace {

using platform::Modifier;
using platform::Modifiers;

TEST(Accelerator, ParsesTheDesktopsSpellingsAndPrintsOneForm) {
    struct Case {
        const char* text;
        Shortcut shortcut;
        const char* printed;
    };
    const Case cases[] = {
        {"<Control><Shift>space",
         {KEY_SPACE, Modifier::Control | Modifier::Shift},
         "<Control><Shift>space"},
        {"<Shift><Primary>space",
         {KEY_SPACE, Modifier::Control | Modifier::Shift},
         "<Control><Shift>space"},
        {"<Ctrl><Mod1>t", {KEY_T, Modifier::Control | Modifier::Alt}, "<Control><Alt>t"},
        {"<super><meta>Page_Down", {KEY_PAGEDOWN, Modifier::Super}, "<Super>Next"},
        {"<Mod4>grave", {KEY_GRAVE, Modifier::Super}, "<Super>grave"},
        {"<Alt>F4", {KEY_F4, Modifier::Alt}, "<Alt>F4"},
        {"<Control>A", {KEY_A, Modifier::Control}, "<Control>a"},  // the shifted keysym
        {"<Control>RETURN", {KEY_ENTER, Modifier::Control}, "<Control>Return"},
        {"<Control>bracketleft", {KEY_LEFTBRACE, Modifier::Control}, "<Control>bracketleft"},
        {"<Control>KP_1", {KEY_KP1, Modifier::Control}, "<Control>KP_End"},  // Num Lock off
        {"F12", {KEY_F12, {}}, "F12"},
        {"<Shift>less", {KEY_102ND, Modifier::Shift}, "<Shift>less"},  // not Shift+comma
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto parsed = Accelerator::parse(c.text);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(parsed->shortcut(), c.shortcut);
        EXPECT_EQ(parsed->text(), c.printed);
    }
    for (const char* text : {"", "<Control>", "<Control", "<Hyper>a", "<Control>nosuchkey",
                             "<Control><Shift>", "space<Control>", "<>a"}) {
        EXPECT_EQ(Accelerator::parse(text), std::nullopt) << text;
    }
}

// Whatever the recorder can store must come back from the settings file as the same shortcut.
TEST(Accelerator, EveryRecordableKeyComesBack) {
    std::vector<platform::KeyCode> keys(engine::kCharacterKeys.begin(),
                                        engine::kCharacterKeys.end());
    for (const int key :
         {KEY_SPACE,   KEY_ENTER,  KEY_TAB,     KEY_BACKSPACE, KEY_DELETE,  KEY_INSERT,
          KEY_HOME,    KEY_END,    KEY_PAGEUP,  KEY_PAGEDOWN,  KEY_LEFT,    KEY_RIGHT,
          KEY_UP,      KEY_DOWN,   KEY_ESC,     KEY_F1,        KEY_F12,     KEY_F13,
          KEY_F20,     KEY_KP0,    KEY_KP9,     KEY_KPDOT,     KEY_KPSLASH, KEY_KPASTERISK,
          KEY_KPMINUS, KEY_KPPLUS, KEY_KPENTER, KEY_KPEQUAL,   KEY_102ND}) {
        keys.push_back(static_cast<platform::KeyCode>(key));
    }
    for (const int key : {KEY_F14, KEY_F15, KEY_F16, KEY_F17, KEY_F18}) {
        keys.push_back(static_cast<platform::KeyCode>(key));
    }
    const Modifiers all = Modifier::Control | Modifier::Shift | Modifier::Alt | Modifier::Super;
    for (const platform::KeyCode key : keys) {
        for (const Modifiers modifiers : {Modifiers{}, all}) {
            const auto printed = Accelerator::of({key, modifiers});
            ASSERT_TRUE(printed.has_value()) << key;
            const auto parsed = Accelerator::parse(printed->text());
            ASSERT_TRUE(parsed.has_value()) << printed->text();
            EXPECT_EQ(parsed->shortcut(), (Shortcut{key, modifiers})) << printed->text();
        }
    }
    EXPECT_EQ(Accelerator::of({KEY_RESERVED, Modifier::Control}), std::nullopt);
    EXPECT_EQ(Accelerator::of({KEY_F19, {}}), std::nullopt) << "no keysym on the US layout";
    EXPECT_EQ(Accelerator::of({KEY_A, Modifier::CapsLock})->text(), "a") << "a lock is no modifier";
}

TEST(LegacyShortcut, ReadsTheEarlierNumbering) {
    struct Case {
        const char* json;
        std::optional<Shortcut> shortcut;
    };
    const Case cases[] = {
        {R"({"carbonKeyCode":49,"carbonModifiers":4608})",
         Shortcut{KEY_SPACE, Modifier::Control | Modifier::Shift}},
        {R"({"carbonKeyCode":8,"carbonModifiers":2304})",
         Shortcut{KEY_C, Modifier::Super | Modifier::Alt}},
        {R"({"carbonKeyCode":122,"carbonModifiers":0})", Shortcut{KEY_F1, {}}},
        {R"({"carbonKeyCode":90,"carbonModifiers":4096})", Shortcut{KEY_F20, Modifier::Control}},
        {R"({"carbonKeyCode":10,"carbonModifiers":4096})", Shortcut{KEY_102ND, Modifier::Control}},
        {R"({"carbonKeyCode":49,"carbonModifiers":135168})", std::nullopt},  // Function held
        {R"({"carbonKeyCode":55,"carbonModifiers":4096})", std::nullopt},    // a modifier key
        {R"({"carbonKeyCode":127,"carbonModifiers":0})", std::nullopt},
        {R"({"carbonKeyCode":"49","carbonModifiers":4608})", std::nullopt},
        {R"({"carbonKeyCode":49})", std::nullopt},
        {R"({"carbonKeyCode":1.5,"carbonModifiers":0})", std::nullopt},
        {"<Control><Shift>space", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LegacyShortcut::fromJson(c.json), c.shortcut) << c.json;
    }
}

}  // namespace
}  // namespace korrelang::shortcuts
