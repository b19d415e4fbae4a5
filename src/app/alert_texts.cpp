#include "alert_texts.h"

#include <QCoreApplication>

namespace korrelang::app {

namespace {

// Lines that end in data: the English beginning is matched and the rest kept.
constexpr const char* kSelectedKeyboards = "Your selected keyboards: ";
const char* const kSelectedKeyboardsText =
    QT_TRANSLATE_NOOP("Alerts", "Your selected keyboards: %1");

}  // namespace

QString AlertTexts::translate(const std::string& text) {
    if (text.starts_with(kSelectedKeyboards)) {
        return QCoreApplication::translate("Alerts", kSelectedKeyboardsText)
            .arg(QString::fromStdString(
                text.substr(std::char_traits<char>::length(kSelectedKeyboards))));
    }
    // PressAlerts marks its texts for translation; a line without one stays as it is.
    return text.empty() ? QString() : QCoreApplication::translate("Alerts", text.c_str());
}

}  // namespace korrelang::app
