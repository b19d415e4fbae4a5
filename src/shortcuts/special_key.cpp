#include "special_key.h"

#include <array>
#include <utility>

namespace korrelang::shortcuts {

namespace {

// U+20E3 (combining enclosing keycap) and U+20DD (combining enclosing circle).
#define KEYCAP "\u20E3"

constexpr std::array<std::pair<platform::KeyCode, const char*>, 53> kSymbols{{
    {36, "↩"},
    {51, "⌫"},
    {117, "⌦"},
    {119, "↘"},
    {53, "⎋"},
    {114, "?\u20DD"},
    {115, "↖"},
    {48, "⇥"},
    {116, "⇞"},
    {121, "⇟"},
    {126, "↑"},
    {124, "→"},
    {125, "↓"},
    {123, "←"},
    {122, "F1"},
    {120, "F2"},
    {99, "F3"},
    {118, "F4"},
    {96, "F5"},
    {97, "F6"},
    {98, "F7"},
    {100, "F8"},
    {101, "F9"},
    {109, "F10"},
    {103, "F11"},
    {111, "F12"},
    {105, "F13"},
    {107, "F14"},
    {113, "F15"},
    {106, "F16"},
    {64, "F17"},
    {79, "F18"},
    {80, "F19"},
    {90, "F20"},
    {82, "0" KEYCAP},
    {83, "1" KEYCAP},
    {84, "2" KEYCAP},
    {85, "3" KEYCAP},
    {86, "4" KEYCAP},
    {87, "5" KEYCAP},
    {88, "6" KEYCAP},
    {89, "7" KEYCAP},
    {91, "8" KEYCAP},
    {92, "9" KEYCAP},
    {71, "☒" KEYCAP},
    {65, "." KEYCAP},
    {75, "/" KEYCAP},
    {81, "=" KEYCAP},
    {78, "-" KEYCAP},
    {67, "*" KEYCAP},
    {69, "+" KEYCAP},
    {76, "↩" KEYCAP},
    {49, SpecialKey::kSpaceName},
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
