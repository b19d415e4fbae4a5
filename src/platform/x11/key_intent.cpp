#include "key_intent.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "platform/key_codes.h"

namespace korrelang::platform::x11 {

namespace {

// X keycodes of the left modifier keys (evdev).
constexpr XKeycode kShift = 50;
constexpr XKeycode kControl = 37;
constexpr XKeycode kAlt = 64;

// Window classes and application ids of terminal emulators, lower case.
constexpr auto kTerminals = std::to_array<std::string_view>({
    "alacritty",
    "blackbox",
    "com.gexperts.tilix",
    "com.raggesilver.blackbox",
    "cool-retro-term",
    "eterm",
    "foot",
    "footclient",
    "gnome-terminal",
    "gnome-terminal-server",
    "guake",
    "kgx",
    "kitty",
    "konsole",
    "lxterminal",
    "mate-terminal",
    "org.gnome.console",
    "org.gnome.ptyxis",
    "org.gnome.terminal",
    "org.kde.konsole",
    "org.wezfurlong.wezterm",
    "qterminal",
    "rxvt",
    "sakura",
    "st",
    "st-256color",
    "terminator",
    "terminology",
    "tilda",
    "tilix",
    "urxvt",
    "uxterm",
    "wezterm",
    "wezterm-gui",
    "x-terminal-emulator",
    "xfce4-terminal",
    "xterm",
    "yakuake",
    "ptyxis",
    "contour",
    "rio",
    "ghostty",
    "com.mitchellh.ghostty",
});

}  // namespace

bool KeyIntent::isTerminal(std::string_view applicationID) {
    std::string lowered(applicationID);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::find(kTerminals.begin(), kTerminals.end(), lowered) != kTerminals.end();
}

std::optional<KeyStroke> KeyIntent::translate(KeyCode key, std::uint32_t flags, bool inTerminal) {
    const bool command = (flags & ModifierFlag::command) != 0;
    bool shift = (flags & ModifierFlag::shift) != 0;
    bool control = (flags & ModifierFlag::control) != 0 || command;
    const bool alt = (flags & ModifierFlag::option) != 0;

    KeyCode target = key;
    if (command && shift && (key == Key::left || key == Key::right)) {
        // Select to the start or end of the line.
        target = key == Key::left ? Key::home : Key::end;
        control = (flags & ModifierFlag::control) != 0;
    } else if (command && inTerminal && (key == Key::c || key == Key::v)) {
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
