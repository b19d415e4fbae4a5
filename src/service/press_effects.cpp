#include "press_effects.h"

#include <QString>

#include "engine/grapheme_cursor.h"
#include "engine/keyboard_mapping_registry.h"
#include "service_log.h"
#include "settings/settings.h"

namespace korrelang::service {

namespace {

using servicelog::say;

int characters(const std::string& text) {
    return static_cast<int>(engine::GraphemeCursor::count(text));
}

}  // namespace

void PressEffects::converted(const ConversionPlan& plan, ConversionEvents::Method method,
                             const std::vector<std::string>& keyboards) {
    if (plan.step) {
        m_events.keyboardCycleUsed(plan.step->position, plan.step->fromName, plan.step->toName);
    }
    if (!plan.result) {
        return;  // a restoring step is neither counted nor switched to
    }
    const auto& result = *plan.result;
    recordStatistics(result);
    m_events.conversionPerformed(result.fromLanguage, result.toLanguage,
                                 characters(result.convertedText), method);
    if (m_settings.autoSwitchKeyboard()) {
        m_accessibility.switchKeyboardForTarget(result.toLayoutID, keyboards);
    }
}

void PressEffects::failed(PressFailure reason, const std::vector<std::string>& keyboards) {
    m_events.conversionFailed(reason);
    switch (reason) {
        case PressFailure::accessibilityDenied:
        case PressFailure::notReplaced:
            noticeLater(reason);
            return;
        case PressFailure::noText:
            beep("🔊 BEEP: No text found to convert");
            say("💡 TIP: Make sure text is selected or cursor is after text in a text field");
            if (m_settings.showDebugAlerts()) {
                noticeLater(reason);
            }
            return;
        case PressFailure::notConverted:
            beep("🔊 BEEP: Conversion failed");
            say("💡 TIP: Text must contain characters from one of the selected keyboard layouts");
            say("💡 Current text language not recognized for conversion");
            if (m_settings.showDebugAlerts()) {
                std::vector<std::string> names;
                for (const auto& mapping :
                     engine::KeyboardMappingRegistry::shared().mappingsFor(keyboards)) {
                    names.push_back(mapping.displayName());
                }
                noticeLater(reason, std::move(names));
            }
            return;
    }
}

void PressEffects::beep(const char* line) {
    m_workspace.beep();
    say(line);
}

void PressEffects::noticeLater(PressFailure reason, std::vector<std::string> keyboardNames) {
    m_main.post(
        [this, reason, names = std::move(keyboardNames)] { m_notices.pressFailed(reason, names); });
}

void PressEffects::recordStatistics(const engine::ConversionResult& result) {
    const bool storeScheduled = m_pendingStatistics.has_value();
    if (!storeScheduled) {
        m_pendingStatistics = m_settings.statistics();
    }
    const int count = characters(result.convertedText);
    m_pendingStatistics->recordConversion(QString::fromStdString(result.fromLanguage),
                                          QString::fromStdString(result.toLanguage), count);
    if (!storeScheduled) {
        m_main.post([this] { storeStatistics(); });
    }
    say("📊 Recorded conversion: " + result.fromLanguage + " → " + result.toLanguage + ", " +
        std::to_string(count) + " chars");
}

void PressEffects::storeStatistics() {
    if (m_pendingStatistics) {
        m_settings.setStatistics(*m_pendingStatistics);
        m_pendingStatistics.reset();
    }
}

}  // namespace korrelang::service
