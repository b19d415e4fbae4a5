#include "ui/key_translation.h"

#include <gtest/gtest.h>

#include "platform/key_codes.h"

namespace korrelang::ui {
namespace {

using platform::Modifier;

// Without scan codes (as under the offscreen platform) only Qt's key tells the key.
TEST(KeyTranslation, QtKeysWithoutScanCodes) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::optional<std::uint16_t> code;
    };
    const Case cases[] = {
        {Qt::Key_Space, Qt::ControlModifier | Qt::ShiftModifier, KEY_SPACE},
        {Qt::Key_Backtab, Qt::ShiftModifier, KEY_TAB},
        {Qt::Key_0, Qt::KeypadModifier, KEY_KP0},
        {Qt::Key_0, Qt::NoModifier, KEY_0},
        {Qt::Key_Enter, Qt::KeypadModifier, KEY_KPENTER},
        {Qt::Key_Home, Qt::KeypadModifier, KEY_HOME},  // keypad Home with Num Lock off
        {Qt::Key_F13, Qt::NoModifier, KEY_F13},
        {Qt::Key_Q, Qt::AltModifier, KEY_Q},
        {Qt::Key_BracketLeft, Qt::NoModifier, KEY_LEFTBRACE},
        {Qt::Key_Shift, Qt::ShiftModifier, std::nullopt},  // a bare modifier
        {Qt::Key_Enter, Qt::NoModifier, std::nullopt},
    };
    for (const Case& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
        const auto key = KeyTranslation::translate(event, {});
        ASSERT_EQ(key.has_value(), c.code.has_value()) << c.key;
        if (key) {
            EXPECT_EQ(key->keyCode, *c.code) << c.key;
        }
    }
    const auto chord = KeyTranslation::translate(
        QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::ControlModifier | Qt::MetaModifier), {});
    ASSERT_TRUE(chord);
    EXPECT_EQ(chord->flags, Modifier::Control | Modifier::Super);
}

}  // namespace
}  // namespace korrelang::ui
