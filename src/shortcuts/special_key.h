#pragma once

#include <QKeyCombination>
#include <QString>
#include <optional>

#include "platform/key_codes.h"

namespace korrelang::shortcuts {

/// Keys that type no character. Shortcut texts name them in Qt's words, which are also the
/// words of the desktops' own shortcut settings ("Space", "PgUp", "Num+0").
class SpecialKey {
public:
    /// The key of a Qt key event. The keypad modifier picks the keypad key; a keypad key Qt does
    /// not mark as such (Home with Num Lock off) counts as the main one. Nothing for a key that
    /// types a character.
    static std::optional<platform::KeyCode> fromQt(QKeyCombination key);
    /// `key`'s name in the user's language, or nothing when the key types a character.
    static std::optional<QString> name(platform::KeyCode key);
};

}  // namespace korrelang::shortcuts
