#include "key_code_table.h"

#include <array>
#include <utility>

namespace korrelang::platform::x11 {

namespace {

// Virtual key code → evdev X keycode. Each key appears once in each column.
constexpr auto kTable = std::to_array<std::pair<KeyCode, XKeycode>>({
    // letters
    {0, 38},
    {1, 39},
    {2, 40},
    {3, 41},
    {4, 43},
    {5, 42},
    {6, 52},
    {7, 53},
    {8, 54},
    {9, 55},
    {11, 56},
    {12, 24},
    {13, 25},
    {14, 26},
    {15, 27},
    {16, 29},
    {17, 28},
    {31, 32},
    {32, 30},
    {34, 31},
    {35, 33},
    {37, 46},
    {38, 44},
    {40, 45},
    {45, 57},
    {46, 58},
    // digits
    {18, 10},
    {19, 11},
    {20, 12},
    {21, 13},
    {23, 14},
    {22, 15},
    {26, 16},
    {28, 17},
    {25, 18},
    {29, 19},
    // punctuation: - = [ ] \ ; ' ` , . / and the ISO key beside left Shift
    {27, 20},
    {24, 21},
    {33, 34},
    {30, 35},
    {42, 51},
    {41, 47},
    {39, 48},
    {50, 49},
    {43, 59},
    {47, 60},
    {44, 61},
    {10, 94},
    // editing
    {36, 36},
    {48, 23},
    {49, 65},
    {51, 22},
    {53, 9},
    {117, 119},
    // modifiers: right Command, Command, Shift, Caps Lock, Option, Control, right Shift,
    // right Option, right Control
    {54, 134},
    {55, 133},
    {56, 50},
    {57, 66},
    {58, 64},
    {59, 37},
    {60, 62},
    {61, 108},
    {62, 105},
    // navigation
    {114, 118},
    {115, 110},
    {116, 112},
    {119, 115},
    {121, 117},
    {123, 113},
    {124, 114},
    {125, 116},
    {126, 111},
    // function keys F1–F20, for recorded shortcuts
    {122, 67},
    {120, 68},
    {99, 69},
    {118, 70},
    {96, 71},
    {97, 72},
    {98, 73},
    {100, 74},
    {101, 75},
    {109, 76},
    {103, 95},
    {111, 96},
    {105, 191},
    {107, 192},
    {113, 193},
    {106, 194},
    {64, 195},
    {79, 196},
    {80, 197},
    {90, 198},
});

}  // namespace

std::optional<XKeycode> KeyCodeTable::toX(KeyCode key) {
    for (const auto& [virtualKey, xKey] : kTable) {
        if (virtualKey == key) {
            return xKey;
        }
    }
    return std::nullopt;
}

std::optional<KeyCode> KeyCodeTable::fromX(XKeycode keycode) {
    for (const auto& [virtualKey, xKey] : kTable) {
        if (xKey == keycode) {
            return virtualKey;
        }
    }
    return std::nullopt;
}

}  // namespace korrelang::platform::x11
