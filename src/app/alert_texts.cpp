#include "alert_texts.h"

#include <QCoreApplication>
#include <array>

namespace korrelang::app {

namespace {

// The texts of the alerts about a failed press (titles, lines and buttons), so that lupdate
// offers them for translation. A test checks that every alert PressAlerts words is covered.
constexpr auto kTexts = std::to_array<const char*>({
    QT_TRANSLATE_NOOP("Alerts", "Accessibility Permission Required"),
    QT_TRANSLATE_NOOP("Alerts",
                      "Korrelang needs Accessibility permission to read and modify text in other "
                      "apps."),
    QT_TRANSLATE_NOOP("Alerts",
                      "Please turn on assistive technologies in your desktop's accessibility "
                      "settings."),
    QT_TRANSLATE_NOOP("Alerts", "Open Settings"),
    QT_TRANSLATE_NOOP("Alerts", "Cancel"),
    QT_TRANSLATE_NOOP("Alerts", "Debug: No Text Found"),
    QT_TRANSLATE_NOOP("Alerts", "Korrelang couldn't find any text to convert."),
    QT_TRANSLATE_NOOP("Alerts", "Make sure:"),
    QT_TRANSLATE_NOOP("Alerts", "• Text is selected (highlighted), OR"),
    QT_TRANSLATE_NOOP("Alerts", "• Cursor is placed after text in a text field"),
    QT_TRANSLATE_NOOP("Alerts", "Run korrelang from a terminal to see the details."),
    QT_TRANSLATE_NOOP("Alerts", "OK"),
    QT_TRANSLATE_NOOP("Alerts", "Debug: Conversion Failed"),
    QT_TRANSLATE_NOOP("Alerts", "Korrelang found text but couldn't convert it."),
    QT_TRANSLATE_NOOP("Alerts",
                      "Make sure the text contains characters from one of these layouts."),
    QT_TRANSLATE_NOOP("Alerts", "Could Not Replace Text"),
    QT_TRANSLATE_NOOP("Alerts",
                      "The text field you're in may be read-only or doesn't support text "
                      "replacement."),
});

// Lines that end in data: the English beginning is matched and the rest kept.
constexpr const char* kSelectedKeyboards = "Your selected keyboards: ";
const char* const kSelectedKeyboardsText =
    QT_TRANSLATE_NOOP("Alerts", "Your selected keyboards: %1");

}  // namespace

QString AlertTexts::translate(const std::string& text) {
    const QString line = QString::fromStdString(text);
    if (line.isEmpty()) {
        return line;
    }
    for (const char* known : kTexts) {
        if (text == known) {
            return QCoreApplication::translate("Alerts", known);
        }
    }
    if (text.starts_with(kSelectedKeyboards)) {
        return QCoreApplication::translate("Alerts", kSelectedKeyboardsText)
            .arg(QString::fromStdString(
                text.substr(std::char_traits<char>::length(kSelectedKeyboards))));
    }
    return line;
}

}  // namespace korrelang::app
