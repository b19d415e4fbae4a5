#include "hotkey_service.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

#include "engine/keyboard_mapping_registry.h"
#include "engine/layout_converter.h"
#include "platform/key_codes.h"
#include "service_log.h"
#include "settings/settings.h"

namespace korrelang::service {

namespace {

using servicelog::boolText;
using servicelog::say;
using servicelog::sayText;
using Reason = ConversionEvents::FailureReason;

const std::string kRule(50, '=');

std::string bracketList(const std::vector<std::string>& items) {
    std::string text = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        text += (i ? ", \"" : "\"") + items[i] + "\"";
    }
    return text + "]";
}

std::vector<std::string> toStd(const QStringList& list) {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(list.size()));
    for (const QString& item : list) {
        out.push_back(item.toStdString());
    }
    return out;
}

int characters(const std::string& text) {
    return static_cast<int>(engine::GraphemeCursor::count(text));
}

}  // namespace

HotkeyService::HotkeyService(const platform::Platform& platform, settings::Settings& settings,
                             ConversionEvents& events, Alerts& alerts, Clock& clock,
                             QObject* parent)
    : QObject(parent),
      m_platform(platform),
      m_settings(settings),
      m_events(events),
      m_alerts(alerts),
      m_clock(clock),
      m_main(*this),
      m_accessibility(platform.accessibility, platform.inputSources, platform.workspace),
      m_clipboard(*this),
      m_cycle(clock) {
    m_worker.setMaxThreadCount(1);
}

HotkeyService::~HotkeyService() {
    waitForWorker();
    storeStatistics();
}

void HotkeyService::waitForWorker() {
    // The worker may be waiting for a hop to this thread: keep serving events while it ends.
    while (!m_worker.waitForDone(5)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QCoreApplication::processEvents();
}

std::vector<std::string> HotkeyService::selectedKeyboards() const {
    return m_main.call([this] { return toStd(m_settings.selectedKeyboards()); });
}

void HotkeyService::hotkeyEntry() {
    if (!m_settings.isEnabled()) {
        say("⏸️ Hotkey pressed but app is disabled");
        return;
    }
    handleHotkey();
}

void HotkeyService::handleHotkey() {
    m_platform.workspace.systemLog("🔥🔥🔥 HOTKEY PRESSED - THIS SHOULD ALWAYS APPEAR 🔥🔥🔥");
    say("\n" + kRule);
    say("🔥 HOTKEY PRESSED");
    say(kRule);
    if (m_inProgress) {
        say("⚠️ Conversion already in progress, ignoring hotkey press");
        return;
    }
    m_activeLayoutID = m_accessibility.getCurrentKeyboardID();
    say("📊 App enabled: " + boolText(m_settings.isEnabled()));
    const auto keyboards = selectedKeyboards();
    say("⌨️  Selected keyboards: " + bracketList(keyboards));
    if (keyboards.empty()) {
        say("⚠️  WARNING: No keyboards selected!");
    }
    const bool trusted = m_accessibility.checkAccessibilityPermission();
    say("🔐 Accessibility permission: " + boolText(trusted));
    if (!trusted) {
        say("❌ No Accessibility permission");
        m_events.conversionFailed(Reason::AccessibilityDenied);
        showAlertLater(accessibilityAlert(), true);
        emit pressFinished();
        return;
    }
    say("✅ Has Accessibility permission");

    bool handedOver = false;
    m_pressApplication = m_platform.workspace.frontmostApplication();
    if (const auto& app = *m_pressApplication) {
        say("📊 Frontmost app: " + app->name + " (" + app->id + ")");
        if (ClipboardStrategies::isSlowApp(app->id, app->name)) {
            say("🤖 Slow app detected. Using clipboard approach.");
            startJob(true);
            handedOver = true;
        }
    }
    if (!handedOver) {
        say("🔍 Calling AccessibilityService.getSelectedText()");
        const auto selected = m_accessibility.getSelectedText();
        if (selected) {
            sayText("🔍 getSelectedText() returned: '", *selected, "'");
            sayText("📝 Selected text found: '", *selected, "'");
            convertSelectedText(*selected);
        } else {
            say("🔍 getSelectedText() returned: nil");
            say("⚠️ No selected text via Accessibility, trying fallbacks...");
            if (const auto line = m_accessibility.getTextFromLineStartToCursor()) {
                sayText("📝 Found cursor-to-line text: '", line->text, "'");
                convertLineText(line->text, line->location, line->length);
            } else {
                say("💡 Triggering clipboard fallback...");
                startJob(false);
                handedOver = true;
            }
        }
    }
    m_pressApplication.reset();
    say(kRule + "\n");
    if (!handedOver) {
        emit pressFinished();
    }
}

void HotkeyService::startJob(bool slowApp) {
    m_inProgress = true;
    m_worker.start([this, slowApp] {
        const bool succeeded =
            slowApp ? m_clipboard.convertInSlowApp() : m_clipboard.convertViaClipboard();
        m_main.call([this, slowApp, succeeded] {
            if (succeeded) {
                say(slowApp ? "✅ Slow app conversion succeeded!"
                            : "✅ Clipboard conversion succeeded!");
            } else {
                say(slowApp ? "❌ Slow app: no text found" : "❌ All conversion methods failed");
                m_events.conversionFailed(Reason::NoSelection);
                notifyNoTextFound();
            }
        });
        m_main.post([this] {
            m_inProgress = false;
            emit pressFinished();
        });
    });
}

bool HotkeyService::isFrontmostAppBlacklisted() {
    return m_main.call([this] {
        const auto app =
            m_pressApplication ? *m_pressApplication : m_platform.workspace.frontmostApplication();
        if (!app || app->id.empty()) {
            return false;
        }
        const QString id = QString::fromStdString(app->id);
        if (!m_settings.blacklistedApps().contains(id, Qt::CaseSensitive)) {
            return false;
        }
        say("🚫 App " + app->id + " is blacklisted");
        return true;
    });
}

std::optional<std::string> HotkeyService::convertCore(const std::string& current,
                                                      ConversionEvents::Method method) {
    const auto keyboardsNow = selectedKeyboards();
    std::string toConvert = current;
    std::optional<std::string> preferred;
    if (const auto step = m_cycle.checkCycle(current, keyboardsNow)) {
        m_main.call(
            [&] { m_events.keyboardCycleUsed(step->position, step->fromName, step->toName); });
        if (step->restoresOriginal) {
            m_cycle.markRestored(step->originalText);
            sayText("✅ Restored original: '", step->originalText, "'");
            return step->originalText;
        }
        toConvert = step->originalText;
        preferred = step->targetID;
    } else {
        m_cycle.resetCycle();
    }
    const auto result = engine::LayoutConverter(m_words).convert(toConvert, selectedKeyboards(),
                                                                 m_activeLayoutID, preferred);
    if (!result) {
        return std::nullopt;
    }
    m_cycle.updateCycleState(toConvert, result->convertedText, *result, selectedKeyboards());
    m_main.call([&] {
        recordStatistics(*result);
        m_events.conversionPerformed(result->fromLanguage, result->toLanguage,
                                     characters(result->convertedText), method);
        if (m_settings.autoSwitchKeyboard()) {
            m_accessibility.switchKeyboardForTarget(result->toLayoutID,
                                                    toStd(m_settings.selectedKeyboards()));
        }
    });
    return result->convertedText;
}

void HotkeyService::recordStatistics(const engine::ConversionResult& result) {
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

void HotkeyService::storeStatistics() {
    if (m_pendingStatistics) {
        m_settings.setStatistics(*m_pendingStatistics);
        m_pendingStatistics.reset();
    }
}

void HotkeyService::convertSelectedText(const std::string& text) {
    sayText("🔄 Attempting to convert: '", text, "'");
    if (text.empty()) {
        say("⚠️  Text is empty, nothing to convert");
        m_events.conversionFailed(Reason::NoSelection);
        notifyNoTextFound();
        return;
    }
    if (isFrontmostAppBlacklisted()) {
        say("🚫 Current app is blacklisted, skipping conversion");
        m_platform.workspace.beep();
        return;
    }
    const auto written = convertCore(text, ConversionEvents::Method::Accessibility);
    if (!written) {
        say("❌ Conversion failed - language not recognized");
        m_events.conversionFailed(Reason::DetectionFailed);
        notifyConversionFailed();
        return;
    }
    sayText("✅ Result: '", *written, "'");
    say("🔄 Attempting to replace text...");
    const auto element = m_accessibility.getFocusedElement();
    if (element && element->setSelectedText(*written) == platform::AccessCode::success) {
        say("✅ REPLACE SUCCEEDED via Accessibility");
        emit conversionSucceeded();
        // The desktop leaves the caret after the new text, which is the collapsed selection;
        // a Right Arrow would move it one character further. Only keeping the selection
        // needs work.
        if (!shouldDeselectAfterReplace()) {
            const long length = characters(*written);
            if (const auto caret = element->selectedRange(); caret.succeeded()) {
                element->setSelectedRange({caret.value->location - length, length});
            }
        }
        return;
    }
    say("❌ Replace failed via Accessibility");
    m_events.conversionFailed(Reason::PasteFailed);
    showAlertLater(replaceFailedAlert());
}

bool HotkeyService::shouldDeselectAfterReplace() {
    const auto mappings =
        engine::KeyboardMappingRegistry::shared().mappingsFor(selectedKeyboards());
    if (mappings.size() < 3) {
        return true;
    }
    return !m_settings.keepSelectionAfterConversion();
}

void HotkeyService::convertLineText(const std::string& text, long location, long length) {
    if (isFrontmostAppBlacklisted()) {
        say("🚫 Current app is blacklisted, skipping conversion");
        m_platform.workspace.beep();
        return;
    }
    const auto written = convertCore(text, ConversionEvents::Method::Accessibility);
    if (!written) {
        m_events.conversionFailed(Reason::DetectionFailed);
        notifyConversionFailed();
        return;
    }
    if (m_accessibility.replaceTextInRange(location, length, *written)) {
        emit conversionSucceeded();
        return;
    }
    m_events.conversionFailed(Reason::PasteFailed);
    showAlertLater(replaceFailedAlert());
}

void HotkeyService::notifyNoTextFound() {
    m_main.call([this] {
        m_platform.workspace.beep();
        say("🔊 BEEP: No text found to convert");
        say("💡 TIP: Make sure text is selected or cursor is after text in a text field");
        if (m_settings.showDebugAlerts()) {
            showAlertLater(noTextDebugAlert());
        }
    });
}

void HotkeyService::notifyConversionFailed() {
    m_main.call([this] {
        m_platform.workspace.beep();
        say("🔊 BEEP: Conversion failed");
        say("💡 TIP: Text must contain characters from one of the selected keyboard layouts");
        say("💡 Current text language not recognized for conversion");
        if (m_settings.showDebugAlerts()) {
            std::vector<std::string> names;
            for (const auto& mapping :
                 engine::KeyboardMappingRegistry::shared().mappingsFor(selectedKeyboards())) {
                names.push_back(mapping.displayName());
            }
            showAlertLater(conversionFailedDebugAlert(names));
        }
    });
}

void HotkeyService::failed(ConversionEvents::FailureReason reason) {
    m_main.call([this, reason] { m_events.conversionFailed(reason); });
}

void HotkeyService::showAlertLater(Alert alert, bool opensSettings) {
    m_main.post([this, alert = std::move(alert), opensSettings] {
        const int answer = m_alerts.runModal(alert);
        if (opensSettings && answer == 0) {
            // Switches accessibility on for the session, else opens the settings page.
            m_accessibility.requestAccessibilityPermission();
        }
    });
}

Alert HotkeyService::accessibilityAlert() {
    return {"Accessibility Permission Required",
            {"Korrelang needs Accessibility permission to read and modify text in other apps.", "",
             "Please turn on assistive technologies in your desktop's accessibility settings."},
            {"Open Settings", "Cancel"},
            Alert::Style::Warning};
}

Alert HotkeyService::noTextDebugAlert() {
    return {"Debug: No Text Found",
            {"Korrelang couldn't find any text to convert.", "",
             "Make sure:", "• Text is selected (highlighted), OR",
             "• Cursor is placed after text in a text field", "",
             "Run korrelang from a terminal to see the details."},
            {"OK"},
            Alert::Style::Informational};
}

Alert HotkeyService::conversionFailedDebugAlert(const std::vector<std::string>& keyboardNames) {
    std::string names;
    for (const auto& name : keyboardNames) {
        names += (names.empty() ? "" : ", ") + name;
    }
    return {
        "Debug: Conversion Failed",
        {"Korrelang found text but couldn't convert it.", "", "Your selected keyboards: " + names,
         "", "Make sure the text contains characters from one of these layouts.", "",
         "Run korrelang from a terminal to see the details."},
        {"OK"},
        Alert::Style::Informational};
}

Alert HotkeyService::replaceFailedAlert() {
    return {"Could Not Replace Text",
            {"The text field you're in may be read-only or doesn't support text replacement."},
            {"OK"},
            Alert::Style::Informational};
}

}  // namespace korrelang::service
