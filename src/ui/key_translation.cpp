#include "key_translation.h"

#include <string_view>
#include <utility>

#include "engine/keyboard_mapping_registry.h"
#include "platform/key_codes.h"
#include "shortcuts/special_key.h"

namespace korrelang::ui {

namespace {

using platform::Modifier;

// The key that types the character on a US keyboard, with or without Shift.
std::optional<std::uint16_t> usCharacter(int key) {
    static const auto english =
        engine::KeyboardMappingRegistry::shared().mappingFor("xkb.us.English");
    const char character = static_cast<char>(key);
    const auto position = english ? english->keyFor(std::string_view(&character, 1)) : std::nullopt;
    if (!position) {
        return std::nullopt;
    }
    return position->keyCode;
}

bool isModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_Super_L || key == Qt::Key_Super_R ||
           key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_NumLock;
}

}  // namespace

platform::Modifiers KeyTranslation::flags(Qt::KeyboardModifiers modifiers) {
    platform::Modifiers flags;
    for (const auto& [qt, flag] : {std::pair{Qt::ShiftModifier, Modifier::Shift},
                                   std::pair{Qt::ControlModifier, Modifier::Control},
                                   std::pair{Qt::AltModifier, Modifier::Alt},
                                   std::pair{Qt::MetaModifier, Modifier::Super}}) {
        if (modifiers & qt) {
            flags |= flag;
        }
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
