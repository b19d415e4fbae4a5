#include "special_key.h"

#include <array>
#include <utility>

namespace korrelang::shortcuts {

namespace {

// U+20E3 (combining enclosing keycap) and U+20DD (combining enclosing circle).
#define KEYCAP "\u20E3"

constexpr std::array<std::pair<platform::KeyCode, const char*>, 53> kSymbols{{
    {KEY_ENTER, "↩"},
    {KEY_BACKSPACE, "⌫"},
    {KEY_DELETE, "⌦"},
    {KEY_END, "↘"},
    {KEY_ESC, "⎋"},
    {KEY_INSERT, "?\u20DD"},
    {KEY_HOME, "↖"},
    {KEY_TAB, "⇥"},
    {KEY_PAGEUP, "⇞"},
    {KEY_PAGEDOWN, "⇟"},
    {KEY_UP, "↑"},
    {KEY_RIGHT, "→"},
    {KEY_DOWN, "↓"},
    {KEY_LEFT, "←"},
    {KEY_F1, "F1"},
    {KEY_F2, "F2"},
    {KEY_F3, "F3"},
    {KEY_F4, "F4"},
    {KEY_F5, "F5"},
    {KEY_F6, "F6"},
    {KEY_F7, "F7"},
    {KEY_F8, "F8"},
    {KEY_F9, "F9"},
    {KEY_F10, "F10"},
    {KEY_F11, "F11"},
    {KEY_F12, "F12"},
    {KEY_F13, "F13"},
    {KEY_F14, "F14"},
    {KEY_F15, "F15"},
    {KEY_F16, "F16"},
    {KEY_F17, "F17"},
    {KEY_F18, "F18"},
    {KEY_F19, "F19"},
    {KEY_F20, "F20"},
    {KEY_KP0, "0" KEYCAP},
    {KEY_KP1, "1" KEYCAP},
    {KEY_KP2, "2" KEYCAP},
    {KEY_KP3, "3" KEYCAP},
    {KEY_KP4, "4" KEYCAP},
    {KEY_KP5, "5" KEYCAP},
    {KEY_KP6, "6" KEYCAP},
    {KEY_KP7, "7" KEYCAP},
    {KEY_KP8, "8" KEYCAP},
    {KEY_KP9, "9" KEYCAP},
    {KEY_CLEAR, "☒" KEYCAP},
    {KEY_KPDOT, "." KEYCAP},
    {KEY_KPSLASH, "/" KEYCAP},
    {KEY_KPEQUAL, "=" KEYCAP},
    {KEY_KPMINUS, "-" KEYCAP},
    {KEY_KPASTERISK, "*" KEYCAP},
    {KEY_KPPLUS, "+" KEYCAP},
    {KEY_KPENTER, "↩" KEYCAP},
    {KEY_SPACE, SpecialKey::kSpaceName},
}};

#undef KEYCAP

}  // namespace

std::optional<std::string> SpecialKey::symbol(platform::KeyCode key) {
    for (const auto& [code, text] : kSymbols) {
        if (code == key) {
            return std::string(text);
        }
    }
    return std::nullopt;
}

}  // namespace korrelang::shortcuts
