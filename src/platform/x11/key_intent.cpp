#include "key_intent.h"

#include <string>

#include "platform/key_codes.h"
#include "platform/log.h"

namespace korrelang::platform::x11 {

namespace {

constexpr KeyCode kShift = KEY_LEFTSHIFT;
constexpr KeyCode kControl = KEY_LEFTCTRL;
constexpr KeyCode kAlt = KEY_LEFTALT;
constexpr KeyCode kSuper = KEY_LEFTMETA;

}  // namespace

bool KeyIntent::isSafeInTerminal(KeyCode key, Modifiers flags) {
    const Modifiers modifiers = flags.held();
    // BackSpace erases; Control+Shift+V and Shift+Insert paste. A shell or a program reads
    // nothing else from these as a signal or a command.
    return (key == KEY_BACKSPACE && modifiers.empty()) ||
           (key == KEY_V && (modifiers == Modifier::Control ||
                             modifiers == (Modifier::Control | Modifier::Shift))) ||
           (key == KEY_INSERT && modifiers == Modifier::Shift);
}

std::optional<KeyStroke> KeyIntent::translate(KeyCode key, Modifiers flags, bool inTerminal) {
    if (inTerminal && !isSafeInTerminal(key, flags)) {
        return std::nullopt;
    }
    const bool control = flags.has(Modifier::Control);
    // A terminal's paste is Control+Shift+V: Control+V would reach the shell as a literal-next.
    const bool shift = flags.has(Modifier::Shift) || (inTerminal && control && key == KEY_V);
    KeyStroke stroke;
    stroke.key = key;
    if (control) {
        stroke.modifiers.push_back(kControl);
    }
    if (shift) {
        stroke.modifiers.push_back(kShift);
    }
    if (flags.has(Modifier::Alt)) {
        stroke.modifiers.push_back(kAlt);
    }
    if (flags.has(Modifier::Super)) {
        stroke.modifiers.push_back(kSuper);
    }
    return stroke;
}

std::optional<KeyStroke> KeyIntent::strokeFor(KeyCode key, Modifiers flags, bool inTerminal) {
    if (inTerminal && !isSafeInTerminal(key, flags)) {
        logLine("🛡️ Not sending key code " + std::to_string(key) + " (modifiers " +
                flags.text() + ") into a terminal: a shell could take it as a command");
        return std::nullopt;
    }
    auto stroke = translate(key, flags, inTerminal);
    if (!stroke) {
        logLine("❌ No key for key code " + std::to_string(key));
    }
    return stroke;
}

}  // namespace korrelang::platform::x11
