#include "special_key.h"

#include <QKeySequence>
#include <array>
#include <utility>

namespace korrelang::shortcuts {

namespace {

constexpr auto kKeys = std::to_array<std::pair<platform::KeyCode, QKeyCombination>>({
    {KEY_ENTER, Qt::Key_Return},
    {KEY_BACKSPACE, Qt::Key_Backspace},
    {KEY_DELETE, Qt::Key_Delete},
    {KEY_END, Qt::Key_End},
    {KEY_ESC, Qt::Key_Escape},
    {KEY_INSERT, Qt::Key_Insert},
    {KEY_HOME, Qt::Key_Home},
    {KEY_TAB, Qt::Key_Tab},
    {KEY_PAGEUP, Qt::Key_PageUp},
    {KEY_PAGEDOWN, Qt::Key_PageDown},
    {KEY_UP, Qt::Key_Up},
    {KEY_RIGHT, Qt::Key_Right},
    {KEY_DOWN, Qt::Key_Down},
    {KEY_LEFT, Qt::Key_Left},
    {KEY_SPACE, Qt::Key_Space},
    {KEY_CLEAR, Qt::Key_Clear},
    {KEY_F1, Qt::Key_F1},
    {KEY_F2, Qt::Key_F2},
    {KEY_F3, Qt::Key_F3},
    {KEY_F4, Qt::Key_F4},
    {KEY_F5, Qt::Key_F5},
    {KEY_F6, Qt::Key_F6},
    {KEY_F7, Qt::Key_F7},
    {KEY_F8, Qt::Key_F8},
    {KEY_F9, Qt::Key_F9},
    {KEY_F10, Qt::Key_F10},
    {KEY_F11, Qt::Key_F11},
    {KEY_F12, Qt::Key_F12},
    {KEY_F13, Qt::Key_F13},
    {KEY_F14, Qt::Key_F14},
    {KEY_F15, Qt::Key_F15},
    {KEY_F16, Qt::Key_F16},
    {KEY_F17, Qt::Key_F17},
    {KEY_F18, Qt::Key_F18},
    {KEY_F19, Qt::Key_F19},
    {KEY_F20, Qt::Key_F20},
    {KEY_KP0, Qt::KeypadModifier | Qt::Key_0},
    {KEY_KP1, Qt::KeypadModifier | Qt::Key_1},
    {KEY_KP2, Qt::KeypadModifier | Qt::Key_2},
    {KEY_KP3, Qt::KeypadModifier | Qt::Key_3},
    {KEY_KP4, Qt::KeypadModifier | Qt::Key_4},
    {KEY_KP5, Qt::KeypadModifier | Qt::Key_5},
    {KEY_KP6, Qt::KeypadModifier | Qt::Key_6},
    {KEY_KP7, Qt::KeypadModifier | Qt::Key_7},
    {KEY_KP8, Qt::KeypadModifier | Qt::Key_8},
    {KEY_KP9, Qt::KeypadModifier | Qt::Key_9},
    {KEY_KPDOT, Qt::KeypadModifier | Qt::Key_Period},
    {KEY_KPSLASH, Qt::KeypadModifier | Qt::Key_Slash},
    {KEY_KPEQUAL, Qt::KeypadModifier | Qt::Key_Equal},
    {KEY_KPMINUS, Qt::KeypadModifier | Qt::Key_Minus},
    {KEY_KPASTERISK, Qt::KeypadModifier | Qt::Key_Asterisk},
    {KEY_KPPLUS, Qt::KeypadModifier | Qt::Key_Plus},
    {KEY_KPENTER, Qt::KeypadModifier | Qt::Key_Enter},
});

std::optional<QKeyCombination> qtKey(platform::KeyCode key) {
    for (const auto& [code, combination] : kKeys) {
        if (code == key) {
            return combination;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<platform::KeyCode> SpecialKey::fromQt(QKeyCombination key) {
    const bool keypad = key.keyboardModifiers().testFlag(Qt::KeypadModifier);
    for (const bool wanted : {keypad, false}) {
        for (const auto& [code, combination] : kKeys) {
            if (combination.key() == key.key() &&
                combination.keyboardModifiers().testFlag(Qt::KeypadModifier) == wanted) {
                return code;
            }
        }
    }
    return std::nullopt;
}

std::optional<QString> SpecialKey::name(platform::KeyCode key) {
    const auto combination = qtKey(key);
    if (!combination) {
        return std::nullopt;
    }
    return QKeySequence(*combination).toString(QKeySequence::NativeText);
}

}  // namespace korrelang::shortcuts
