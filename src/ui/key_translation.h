#pragma once

#include <QKeyEvent>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/modifiers.h"

namespace korrelang::ui {

/// Turns a Qt key event into the program's key code (evdev) and modifier flags.
class KeyTranslation {
public:
    /// Translates the X keycode of a key event (the event's native scan code); empty when the
    /// platform has none. Set once by the composition root.
    using ScanCodeTranslator = std::function<std::optional<std::uint16_t>(std::uint32_t)>;

    struct Key {
        std::uint16_t keyCode = 0;
        platform::Modifiers flags;
    };

    /// Keys without a character by their Qt key; character keys by their physical position
    /// (the scan code, so that a Russian or Hebrew layout records the same key), else by the
    /// character on the US layout. Nothing for a bare modifier or an unknown key.
    static std::optional<Key> translate(const QKeyEvent& event,
                                        const ScanCodeTranslator& scanCodes);
    static platform::Modifiers flags(Qt::KeyboardModifiers modifiers);
};

}  // namespace korrelang::ui
