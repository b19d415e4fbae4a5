#include "key_translation.h"

#include <array>
#include <utility>

#include "platform/key_codes.h"
#include "shortcuts/special_key.h"

namespace korrelang::ui {

namespace {

using platform::Modifier;

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

std::optional<std::uint16_t> usCharacter(int key) {
    for (const auto& [from, code] : kUsCharacters) {
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
    // Shift+Tab arrives as Backtab.
    const auto named = key == Qt::Key_Backtab ? Qt::Key_Tab : static_cast<Qt::Key>(key);
    if (const auto code = shortcuts::SpecialKey::fromQt(
            QKeyCombination(event.modifiers() & Qt::KeypadModifier, named))) {
        return Key{*code, modifierFlags};
    }
    if (scanCodes && event.nativeScanCode() != 0) {
        if (const auto code = scanCodes(event.nativeScanCode())) {
            return Key{*code, modifierFlags};
        }
    }
    if (key > 0 && key < 0x80) {
        if (const auto code = usCharacter(key)) {
            return Key{*code, modifierFlags};
        }
    }
    return std::nullopt;
}

}  // namespace korrelang::ui
