#include "key_translation.h"

#include <array>
#include <utility>

#include "platform/key_codes.h"

namespace korrelang::ui {

namespace {

using platform::Modifier;

// Keys without a character.
constexpr auto kSpecialKeys = std::to_array<std::pair<int, std::uint16_t>>({
    {Qt::Key_Return, KEY_ENTER},
    {Qt::Key_Tab, KEY_TAB},
    {Qt::Key_Backtab, KEY_TAB},
    {Qt::Key_Space, KEY_SPACE},
    {Qt::Key_Backspace, KEY_BACKSPACE},
    {Qt::Key_Escape, KEY_ESC},
    {Qt::Key_Help, KEY_INSERT},
    {Qt::Key_Home, KEY_HOME},
    {Qt::Key_PageUp, KEY_PAGEUP},
    {Qt::Key_Delete, KEY_DELETE},
    {Qt::Key_End, KEY_END},
    {Qt::Key_PageDown, KEY_PAGEDOWN},
    {Qt::Key_Left, KEY_LEFT},
    {Qt::Key_Right, KEY_RIGHT},
    {Qt::Key_Down, KEY_DOWN},
    {Qt::Key_Up, KEY_UP},
    {Qt::Key_F1, KEY_F1},
    {Qt::Key_F2, KEY_F2},
    {Qt::Key_F3, KEY_F3},
    {Qt::Key_F4, KEY_F4},
    {Qt::Key_F5, KEY_F5},
    {Qt::Key_F6, KEY_F6},
    {Qt::Key_F7, KEY_F7},
    {Qt::Key_F8, KEY_F8},
    {Qt::Key_F9, KEY_F9},
    {Qt::Key_F10, KEY_F10},
    {Qt::Key_F11, KEY_F11},
    {Qt::Key_F12, KEY_F12},
    {Qt::Key_F13, KEY_F13},
    {Qt::Key_F14, KEY_F14},
    {Qt::Key_F15, KEY_F15},
    {Qt::Key_F16, KEY_F16},
    {Qt::Key_F17, KEY_F17},
    {Qt::Key_F18, KEY_F18},
    {Qt::Key_F19, KEY_F19},
    {Qt::Key_F20, KEY_F20},
    {Qt::Key_Clear, KEY_CLEAR},
});

// Keypad keys, told apart by the keypad modifier.
constexpr auto kKeypad = std::to_array<std::pair<int, std::uint16_t>>({
    {Qt::Key_0, KEY_KP0},
    {Qt::Key_1, KEY_KP1},
    {Qt::Key_2, KEY_KP2},
    {Qt::Key_3, KEY_KP3},
    {Qt::Key_4, KEY_KP4},
    {Qt::Key_5, KEY_KP5},
    {Qt::Key_6, KEY_KP6},
    {Qt::Key_7, KEY_KP7},
    {Qt::Key_8, KEY_KP8},
    {Qt::Key_9, KEY_KP9},
    {Qt::Key_Period, KEY_KPDOT},
    {Qt::Key_Slash, KEY_KPSLASH},
    {Qt::Key_Equal, KEY_KPEQUAL},
    {Qt::Key_Minus, KEY_KPMINUS},
    {Qt::Key_Asterisk, KEY_KPASTERISK},
    {Qt::Key_Plus, KEY_KPPLUS},
    {Qt::Key_Enter, KEY_KPENTER},
});

// Characters of the US layout, unshifted and shifted, by key position.
constexpr auto kUsCharacters = std::to_array<std::pair<char, std::uint16_t>>({
    {'A', KEY_A},          {'S', KEY_S},          {'D', KEY_D},          {'F', KEY_F},
    {'H', KEY_H},          {'G', KEY_G},          {'Z', KEY_Z},          {'X', KEY_X},
    {'C', KEY_C},          {'V', KEY_V},          {'B', KEY_B},          {'Q', KEY_Q},
    {'W', KEY_W},          {'E', KEY_E},          {'R', KEY_R},          {'Y', KEY_Y},
    {'T', KEY_T},          {'1', KEY_1},          {'!', KEY_1},          {'2', KEY_2},
    {'@', KEY_2},          {'3', KEY_3},          {'#', KEY_3},          {'4', KEY_4},
    {'$', KEY_4},          {'6', KEY_6},          {'^', KEY_6},          {'5', KEY_5},
    {'%', KEY_5},          {'=', KEY_EQUAL},      {'+', KEY_EQUAL},      {'9', KEY_9},
    {'(', KEY_9},          {'7', KEY_7},          {'&', KEY_7},          {'-', KEY_MINUS},
    {'_', KEY_MINUS},      {'8', KEY_8},          {'*', KEY_8},          {'0', KEY_0},
    {')', KEY_0},          {']', KEY_RIGHTBRACE}, {'}', KEY_RIGHTBRACE}, {'O', KEY_O},
    {'U', KEY_U},          {'[', KEY_LEFTBRACE},  {'{', KEY_LEFTBRACE},  {'I', KEY_I},
    {'P', KEY_P},          {'L', KEY_L},          {'J', KEY_J},          {'\'', KEY_APOSTROPHE},
    {'"', KEY_APOSTROPHE}, {'K', KEY_K},          {';', KEY_SEMICOLON},  {':', KEY_SEMICOLON},
    {'\\', KEY_BACKSLASH}, {'|', KEY_BACKSLASH},  {',', KEY_COMMA},      {'<', KEY_COMMA},
    {'/', KEY_SLASH},      {'?', KEY_SLASH},      {'N', KEY_N},          {'M', KEY_M},
    {'.', KEY_DOT},        {'>', KEY_DOT},        {'`', KEY_GRAVE},      {'~', KEY_GRAVE},
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

platform::Modifiers KeyTranslation::flags(Qt::KeyboardModifiers modifiers) {
    platform::Modifiers flags;
    if (modifiers & Qt::ShiftModifier) {
        flags |= Modifier::Shift;
    }
    if (modifiers & Qt::ControlModifier) {
        flags |= Modifier::Control;
    }
    if (modifiers & Qt::AltModifier) {
        flags |= Modifier::Alt;
    }
    if (modifiers & Qt::MetaModifier) {
        flags |= Modifier::Super;
    }
    return flags;
}

std::optional<KeyTranslation::Key> KeyTranslation::translate(const QKeyEvent& event,
                                                             const ScanCodeTranslator& scanCodes) {
    const int key = event.key();
    if (isModifierKey(key)) {
        return std::nullopt;
    }
    const platform::Modifiers modifierFlags = flags(event.modifiers());
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
