#include "key_intent.h"

#include "platform/key_codes.h"

namespace korrelang::platform::x11 {

namespace {

// X keycodes of the left modifier keys (evdev).
constexpr XKeycode kShift = 50;
constexpr XKeycode kControl = 37;
constexpr XKeycode kAlt = 64;

}  // namespace

bool KeyIntent::isSafeInTerminal(KeyCode key, std::uint32_t flags) {
    constexpr std::uint32_t held =
        ModifierFlag::shift | ModifierFlag::control | ModifierFlag::option | ModifierFlag::command;
    const std::uint32_t modifiers = flags & held;
    // BackSpace erases; Command+V becomes Control+Shift+V and Shift+Insert pastes PRIMARY. A shell
    // or a program reads nothing else from these as a signal or a command.
    return (key == Key::deleteKey && modifiers == 0) ||
           (key == Key::v && modifiers == ModifierFlag::command) ||
           (key == Key::insert && modifiers == ModifierFlag::shift);
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
    if (command && shift && (key == Key::left || key == Key::right)) {
        // Select to the start or end of the line.
        target = key == Key::left ? Key::home : Key::end;
        control = (flags & ModifierFlag::control) != 0;
    } else if (command && inTerminal && key == Key::v) {
        shift = true;
    }
    const auto xKey = KeyCodeTable::toX(target);
    if (!xKey) {
        return std::nullopt;
    }
    KeyStroke stroke;
    stroke.key = *xKey;
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
