#include "press_alerts.h"

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
            return {"Accessibility Permission Required",
                    {"Korrelang needs Accessibility permission to read and modify text in other "
                     "apps.",
                     "",
                     "Please turn on assistive technologies in your desktop's accessibility "
                     "settings."},
                    {"Open Settings", "Cancel"},
                    Alert::Style::Warning};
        case PressFailure::noText:
            return {"Debug: No Text Found",
                    {"Korrelang couldn't find any text to convert.", "",
                     "Make sure:", "• Text is selected (highlighted), OR",
                     "• Cursor is placed after text in a text field", "",
                     "Run korrelang from a terminal to see the details."},
                    {"OK"},
                    Alert::Style::Informational};
        case PressFailure::notConverted: {
            std::string names;
            for (const auto& name : keyboardNames) {
                names += (names.empty() ? "" : ", ") + name;
            }
            return {"Debug: Conversion Failed",
                    {"Korrelang found text but couldn't convert it.", "",
                     "Your selected keyboards: " + names, "",
                     "Make sure the text contains characters from one of these layouts.", "",
                     "Run korrelang from a terminal to see the details."},
                    {"OK"},
                    Alert::Style::Informational};
        }
        case PressFailure::notReplaced:
            break;
    }
    return {"Could Not Replace Text",
            {"The text field you're in may be read-only or doesn't support text replacement."},
            {"OK"},
            Alert::Style::Informational};
}

}  // namespace korrelang::app
