#include "key_translation.h"

#include <array>
#include <utility>

#include "platform/key_codes.h"

namespace korrelang::ui {

namespace {

// Keys without a character.
constexpr auto kSpecialKeys = std::to_array<std::pair<int, std::uint16_t>>({
    {Qt::Key_Return, 36},    {Qt::Key_Tab, 48},     {Qt::Key_Backtab, 48}, {Qt::Key_Space, 49},
    {Qt::Key_Backspace, 51}, {Qt::Key_Escape, 53},  {Qt::Key_Help, 114},   {Qt::Key_Home, 115},
    {Qt::Key_PageUp, 116},   {Qt::Key_Delete, 117}, {Qt::Key_End, 119},    {Qt::Key_PageDown, 121},
    {Qt::Key_Left, 123},     {Qt::Key_Right, 124},  {Qt::Key_Down, 125},   {Qt::Key_Up, 126},
    {Qt::Key_F1, 122},       {Qt::Key_F2, 120},     {Qt::Key_F3, 99},      {Qt::Key_F4, 118},
    {Qt::Key_F5, 96},        {Qt::Key_F6, 97},      {Qt::Key_F7, 98},      {Qt::Key_F8, 100},
    {Qt::Key_F9, 101},       {Qt::Key_F10, 109},    {Qt::Key_F11, 103},    {Qt::Key_F12, 111},
    {Qt::Key_F13, 105},      {Qt::Key_F14, 107},    {Qt::Key_F15, 113},    {Qt::Key_F16, 106},
    {Qt::Key_F17, 64},       {Qt::Key_F18, 79},     {Qt::Key_F19, 80},     {Qt::Key_F20, 90},
    {Qt::Key_Clear, 71},
});

// Keypad keys, told apart by the keypad modifier.
constexpr auto kKeypad = std::to_array<std::pair<int, std::uint16_t>>({
    {Qt::Key_0, 82},
    {Qt::Key_1, 83},
    {Qt::Key_2, 84},
    {Qt::Key_3, 85},
    {Qt::Key_4, 86},
    {Qt::Key_5, 87},
    {Qt::Key_6, 88},
    {Qt::Key_7, 89},
    {Qt::Key_8, 91},
    {Qt::Key_9, 92},
    {Qt::Key_Period, 65},
    {Qt::Key_Slash, 75},
    {Qt::Key_Equal, 81},
    {Qt::Key_Minus, 78},
    {Qt::Key_Asterisk, 67},
    {Qt::Key_Plus, 69},
    {Qt::Key_Enter, 76},
});

// Characters of the US layout, unshifted and shifted, by key position.
constexpr auto kUsCharacters = std::to_array<std::pair<char, std::uint16_t>>({
    {'A', 0},   {'S', 1},  {'D', 2},  {'F', 3},   {'H', 4},  {'G', 5},  {'Z', 6},  {'X', 7},
    {'C', 8},   {'V', 9},  {'B', 11}, {'Q', 12},  {'W', 13}, {'E', 14}, {'R', 15}, {'Y', 16},
    {'T', 17},  {'1', 18}, {'!', 18}, {'2', 19},  {'@', 19}, {'3', 20}, {'#', 20}, {'4', 21},
    {'$', 21},  {'6', 22}, {'^', 22}, {'5', 23},  {'%', 23}, {'=', 24}, {'+', 24}, {'9', 25},
    {'(', 25},  {'7', 26}, {'&', 26}, {'-', 27},  {'_', 27}, {'8', 28}, {'*', 28}, {'0', 29},
    {')', 29},  {']', 30}, {'}', 30}, {'O', 31},  {'U', 32}, {'[', 33}, {'{', 33}, {'I', 34},
    {'P', 35},  {'L', 37}, {'J', 38}, {'\'', 39}, {'"', 39}, {'K', 40}, {';', 41}, {':', 41},
    {'\\', 42}, {'|', 42}, {',', 43}, {'<', 43},  {'/', 44}, {'?', 44}, {'N', 45}, {'M', 46},
    {'.', 47},  {'>', 47}, {'`', 50}, {'~', 50},
});

template <typename Table>
std::optional<std::uint16_t> find(const Table& table, int key) {
    for (const auto& [from, code] : table) {
        if (static_cast<int>(from) == key) {
            return code;
        }
    }
    return std::nullopt;
}

bool isModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_Super_L || key == Qt::Key_Super_R ||
           key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_NumLock;
}

}  // namespace

std::uint32_t KeyTranslation::flags(Qt::KeyboardModifiers modifiers) {
    std::uint32_t flags = 0;
    if (modifiers & Qt::ShiftModifier) {
        flags |= platform::ModifierFlag::shift;
    }
    if (modifiers & Qt::ControlModifier) {
        flags |= platform::ModifierFlag::control;
    }
    if (modifiers & Qt::AltModifier) {
        flags |= platform::ModifierFlag::option;
    }
    if (modifiers & Qt::MetaModifier) {
        flags |= platform::ModifierFlag::command;
    }
    return flags;
}

std::optional<KeyTranslation::Key> KeyTranslation::translate(const QKeyEvent& event,
                                                             const ScanCodeTranslator& scanCodes) {
    const int key = event.key();
    if (isModifierKey(key)) {
        return std::nullopt;
    }
    const std::uint32_t modifierFlags = flags(event.modifiers());
    if (event.modifiers() & Qt::KeypadModifier) {
        if (const auto code = find(kKeypad, key)) {
            return Key{*code, modifierFlags};
        }
    }
    if (const auto code = find(kSpecialKeys, key)) {
        return Key{*code, modifierFlags};
    }
    if (scanCodes && event.nativeScanCode() != 0) {
        if (const auto code = scanCodes(event.nativeScanCode())) {
            return Key{*code, modifierFlags};
        }
    }
    if (key > 0 && key < 0x80) {
        if (const auto code = find(kUsCharacters, key)) {
            return Key{*code, modifierFlags};
        }
    }
    return std::nullopt;
}

}  // namespace korrelang::ui
