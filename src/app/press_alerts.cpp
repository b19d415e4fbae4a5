#include "press_alerts.h"

#include <QtGlobal>

#include "service/accessibility_service.h"

namespace korrelang::app {

using service::PressFailure;

void PressAlerts::pressFailed(PressFailure reason, const std::vector<std::string>& keyboardNames) {
    const auto answer = m_alerts.runModal(alertFor(reason, keyboardNames));
    if (reason == PressFailure::accessibilityDenied && answer == 0U) {
        m_accessibility.requestAccessibilityPermission();
    }
}

Alert PressAlerts::alertFor(PressFailure reason, const std::vector<std::string>& keyboardNames) {
    switch (reason) {
        case PressFailure::accessibilityDenied:
            return {
                QT_TRANSLATE_NOOP("Alerts", "Accessibility Permission Required"),
                {QT_TRANSLATE_NOOP(
                     "Alerts",
                     "Korrelang needs Accessibility permission to read and modify text in other "
                     "apps."),
                 "",
                 QT_TRANSLATE_NOOP(
                     "Alerts",
                     "Please turn on assistive technologies in your desktop's accessibility "
                     "settings.")},
                {QT_TRANSLATE_NOOP("Alerts", "Open Settings"),
                 QT_TRANSLATE_NOOP("Alerts", "Cancel")},
                Alert::Style::Warning};
        case PressFailure::noText:
            return {
                QT_TRANSLATE_NOOP("Alerts", "Debug: No Text Found"),
                {QT_TRANSLATE_NOOP("Alerts", "Korrelang couldn't find any text to convert."), "",
                 QT_TRANSLATE_NOOP("Alerts", "Make sure:"),
                 QT_TRANSLATE_NOOP("Alerts", "• Text is selected (highlighted), OR"),
                 QT_TRANSLATE_NOOP("Alerts", "• Cursor is placed after text in a text field"), "",
                 QT_TRANSLATE_NOOP("Alerts", "Run korrelang from a terminal to see the details.")},
                {QT_TRANSLATE_NOOP("Alerts", "OK")},
                Alert::Style::Informational};
        case PressFailure::notConverted: {
            std::string names;
            for (const auto& name : keyboardNames) {
                names += (names.empty() ? "" : ", ") + name;
            }
            return {
                QT_TRANSLATE_NOOP("Alerts", "Debug: Conversion Failed"),
                {QT_TRANSLATE_NOOP("Alerts", "Korrelang found text but couldn't convert it."), "",
                 "Your selected keyboards: " + names, "",
                 QT_TRANSLATE_NOOP(
                     "Alerts", "Make sure the text contains characters from one of these layouts."),
                 "",
                 QT_TRANSLATE_NOOP("Alerts", "Run korrelang from a terminal to see the details.")},
                {QT_TRANSLATE_NOOP("Alerts", "OK")},
                Alert::Style::Informational};
        }
        case PressFailure::notReplaced:
            break;
    }
    return {QT_TRANSLATE_NOOP("Alerts", "Could Not Replace Text"),
            {QT_TRANSLATE_NOOP(
                "Alerts",
                "The text field you're in may be read-only or doesn't support text replacement.")},
            {QT_TRANSLATE_NOOP("Alerts", "OK")},
            Alert::Style::Informational};
}

}  // namespace korrelang::app
