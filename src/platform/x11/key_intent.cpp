#include "key_intent.h"

#include "platform/key_codes.h"

namespace korrelang::platform::x11 {

namespace {

constexpr KeyCode kShift = KEY_LEFTSHIFT;
constexpr KeyCode kControl = KEY_LEFTCTRL;
constexpr KeyCode kAlt = KEY_LEFTALT;

}  // namespace

bool KeyIntent::isSafeInTerminal(KeyCode key, std::uint32_t flags) {
    constexpr std::uint32_t held =
        ModifierFlag::shift | ModifierFlag::control | ModifierFlag::option | ModifierFlag::command;
    const std::uint32_t modifiers = flags & held;
    // BackSpace erases; Command+V becomes Control+Shift+V and Shift+Insert pastes PRIMARY. A shell
    // or a program reads nothing else from these as a signal or a command.
    return (key == KEY_BACKSPACE && modifiers == 0) ||
           (key == KEY_V && modifiers == ModifierFlag::command) ||
           (key == KEY_INSERT && modifiers == ModifierFlag::shift);
}

std::optional<KeyStroke> KeyIntent::translate(KeyCode key, std::uint32_t flags, bool inTerminal) {
    const bool command = (flags & ModifierFlag::command) != 0;
    bool shift = (flags & ModifierFlag::shift) != 0;
    bool control = (flags & ModifierFlag::control) != 0 || command;
    const bool alt = (flags & ModifierFlag::option) != 0;

    if (inTerminal && !isSafeInTerminal(key, flags)) {
        return std::nullopt;
    }
    KeyCode target = key;
    if (command && shift && (key == KEY_LEFT || key == KEY_RIGHT)) {
        // Select to the start or end of the line.
        target = key == KEY_LEFT ? KEY_HOME : KEY_END;
        control = (flags & ModifierFlag::control) != 0;
    } else if (command && inTerminal && key == KEY_V) {
        shift = true;
    }
    KeyStroke stroke;
    stroke.key = target;
    if (control) {
        stroke.modifiers.push_back(kControl);
    }
    if (shift) {
        stroke.modifiers.push_back(kShift);
    }
    if (alt) {
        stroke.modifiers.push_back(kAlt);
    }
    return stroke;
}

}  // namespace korrelang::platform::x11
