#include "shortcut.h"

#include <QCoreApplication>
#include <QKeySequence>

#include "engine/grapheme_cursor.h"
#include "engine/unicode.h"
#include "platform/input_sources.h"
#include "special_key.h"

namespace korrelang::shortcuts {

namespace {

using platform::Modifier;

// Qt words keys in its own "QShortcut" context; listing the words a shortcut text can hold puts
// them in the program's translations, where QKeySequence finds them.
[[maybe_unused]] constexpr const char* kTranslatedKeyNames[] = {
    QT_TRANSLATE_NOOP("QShortcut", "Meta"),  QT_TRANSLATE_NOOP("QShortcut", "Ctrl"),
    QT_TRANSLATE_NOOP("QShortcut", "Alt"),   QT_TRANSLATE_NOOP("QShortcut", "Shift"),
    QT_TRANSLATE_NOOP("QShortcut", "Space"), QT_TRANSLATE_NOOP("QShortcut", "Return"),
    QT_TRANSLATE_NOOP("QShortcut", "Enter"), QT_TRANSLATE_NOOP("QShortcut", "Backspace"),
    QT_TRANSLATE_NOOP("QShortcut", "Del"),   QT_TRANSLATE_NOOP("QShortcut", "Ins"),
    QT_TRANSLATE_NOOP("QShortcut", "Home"),  QT_TRANSLATE_NOOP("QShortcut", "End"),
    QT_TRANSLATE_NOOP("QShortcut", "PgUp"),  QT_TRANSLATE_NOOP("QShortcut", "PgDown"),
    QT_TRANSLATE_NOOP("QShortcut", "Left"),  QT_TRANSLATE_NOOP("QShortcut", "Right"),
    QT_TRANSLATE_NOOP("QShortcut", "Up"),    QT_TRANSLATE_NOOP("QShortcut", "Down"),
    QT_TRANSLATE_NOOP("QShortcut", "Esc"),   QT_TRANSLATE_NOOP("QShortcut", "Tab"),
    QT_TRANSLATE_NOOP("QShortcut", "Clear"), QT_TRANSLATE_NOOP("QShortcut", "Num"),
};

Qt::KeyboardModifiers qtModifiers(platform::Modifiers modifiers) {
    Qt::KeyboardModifiers result;
    result.setFlag(Qt::ControlModifier, modifiers.has(Modifier::Control));
    result.setFlag(Qt::AltModifier, modifiers.has(Modifier::Alt));
    result.setFlag(Qt::ShiftModifier, modifiers.has(Modifier::Shift));
    result.setFlag(Qt::MetaModifier, modifiers.has(Modifier::Super));
    return result;
}

}  // namespace

std::string Shortcut::description(const platform::InputSources& inputSources) const {
    // Qt orders, joins and translates the modifiers as the desktop's settings do; the letter A
    // stands in for the key, which is worded below.
    QString text = QKeySequence(QKeyCombination(qtModifiers(modifiers), Qt::Key_A))
                       .toString(QKeySequence::NativeText);
    text.chop(1);
    if (const auto name = SpecialKey::name(key)) {
        return (text + *name).toStdString();
    }
    const auto typed = inputSources.keyText(key);
    if (typed && engine::unicode::isValidUtf8(*typed) &&
        engine::GraphemeCursor::count(*typed) == 1) {
        return text.toStdString() + engine::unicode::toUpper(*typed);
    }
    return text.toStdString() + "\uFFFD";
}

}  // namespace korrelang::shortcuts
