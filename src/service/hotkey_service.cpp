#include "hotkey_service.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

#include "accessibility_way.h"
#include "clipboard_way.h"
#include "engine/keyboard_mapping_registry.h"
#include "engine/layout_converter.h"
#include "paste_way.h"
#include "platform/key_codes.h"
#include "service_log.h"
#include "settings/settings.h"
#include "slow_app_way.h"
#include "terminal_way.h"

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
      m_clipboard(platform, m_main, clock),
      m_cycle(clock),
      m_cycleBefore(clock) {
    m_worker.setMaxThreadCount(1);
    // In order: a way that owns its kind of application comes before the general ones.
    m_ways.push_back(std::make_unique<TerminalWay>(platform, m_main, clock));
    m_ways.push_back(std::make_unique<SlowAppWay>(m_clipboard));
    m_ways.push_back(std::make_unique<AccessibilityWay>(m_accessibility));
    m_ways.push_back(std::make_unique<PasteWay>(m_accessibility, m_clipboard, m_main));
    m_ways.push_back(std::make_unique<ClipboardWay>(m_clipboard, m_accessibility, m_main));
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

    m_application = m_platform.workspace.frontmostApplication();
    if (m_application) {
        say("📊 Frontmost app: " + m_application->name + " (" + m_application->id + ")");
    }
    bool handedOver = false;
    // Before any way reads or presses a key: a blacklisted application is never touched.
    if (isBlacklisted(m_application)) {
        say("🚫 Current app is blacklisted, skipping conversion");
        m_platform.workspace.beep();
    } else {
        m_plan.reset();
        m_attemptedWrite = false;
        m_accessibility.startPress();
        m_cycleBefore = m_cycle;
        handedOver = runWays(0);
    }
    say(kRule + "\n");
    if (!handedOver) {
        emit pressFinished();
    }
}

bool HotkeyService::isBlacklisted(const std::optional<platform::Application>& app) {
    if (!app || app->id.empty()) {
        return false;
    }
    if (!m_settings.blacklistedApps().contains(QString::fromStdString(app->id),
                                               Qt::CaseSensitive)) {
        return false;
    }
    say("🚫 App " + app->id + " is blacklisted");
    return true;
}

bool HotkeyService::runWays(std::size_t first) {
    const bool onMain = QThread::currentThread() == thread();
    for (std::size_t i = first; i < m_ways.size(); ++i) {
        ConversionWay& way = *m_ways[i];
        if (!m_main.call([&] { return way.appliesTo(*this); })) {
            continue;
        }
        if (way.needsWorker() && onMain) {
            m_inProgress = true;
            m_worker.start([this, i] {
                runWays(i);
                m_main.post([this] {
                    m_inProgress = false;
                    emit pressFinished();
                });
            });
            return true;
        }
        say("🔍 Trying the " + std::string(way.name()) + " way");
        const auto outcome = way.needsWorker() || onMain
                                 ? way.attempt(*this)
                                 : m_main.call([&] { return way.attempt(*this); });
        using Outcome = ConversionWay::Outcome;
        switch (outcome) {
            case Outcome::unavailable:
                continue;
            case Outcome::notWritten:
                m_attemptedWrite = true;
                continue;
            case Outcome::written:
                m_main.call([&] { commit(way); });
                return false;
            case Outcome::writtenUnverified:
                m_main.call([this] {
                    m_cycle = m_cycleBefore;
                    say("⚠️ Written without a read-back: not recorded, the keyboard stays");
                    m_platform.workspace.beep();
                });
                return false;
            case Outcome::notConverted:
                m_main.call([this] {
                    m_cycle = m_cycleBefore;
                    say("❌ Conversion failed - language not recognized");
                    m_events.conversionFailed(Reason::DetectionFailed);
                    notifyConversionFailed();
                });
                return false;
            case Outcome::declined:
                m_main.call([this] {
                    m_cycle = m_cycleBefore;
                    m_events.conversionFailed(Reason::NoSelection);
                    notifyNoTextFound();
                });
                return false;
            case Outcome::damaged:
                m_main.call([this] {
                    m_cycle = m_cycleBefore;
                    say("❌ Replace failed, and the text could not be put back as it was");
                    m_events.conversionFailed(Reason::PasteFailed);
                    showAlertLater(replaceFailedAlert());
                });
                return false;
        }
    }
    m_main.call([this] {
        m_cycle = m_cycleBefore;
        if (m_attemptedWrite) {
            say("❌ Replace failed by every way");
            m_events.conversionFailed(Reason::PasteFailed);
            showAlertLater(replaceFailedAlert());
        } else {
            say("❌ All conversion methods failed");
            m_events.conversionFailed(Reason::NoSelection);
            notifyNoTextFound();
        }
    });
    return false;
}

std::optional<std::string> HotkeyService::replacementFor(const std::string& current) {
    if (m_plan && m_plan->current == current) {
        return m_plan->replacement;
    }
    // A different text than an earlier way read: start again from the cycle as it was.
    if (m_plan) {
        m_cycle = m_cycleBefore;
        m_plan.reset();
    }
    Plan plan;
    plan.current = current;
    plan.converted = current;
    std::optional<std::string> preferred;
    if (auto step = m_cycle.checkCycle(current, selectedKeyboards())) {
        if (step->restoresOriginal) {
            plan.replacement = step->originalText;
            plan.step = std::move(step);
            m_plan = std::move(plan);
            return m_plan->replacement;
        }
        plan.converted = step->originalText;
        preferred = step->targetID;
        plan.step = std::move(step);
    }
    auto result = engine::LayoutConverter(m_words).convert(plan.converted, selectedKeyboards(),
                                                           m_activeLayoutID, preferred);
    if (!result) {
        return std::nullopt;
    }
    // Every character dropped: writing "" would delete the user's text.
    if (result->convertedText.empty() && !plan.converted.empty()) {
        say("❌ Every character of the text drops in the target layout; nothing to write");
        return std::nullopt;
    }
    plan.replacement = result->convertedText;
    plan.result = std::move(result);
    m_plan = std::move(plan);
    return m_plan->replacement;
}

void HotkeyService::commit(const ConversionWay& way) {
    const Plan& plan = *m_plan;
    say("✅ REPLACE SUCCEEDED via " + std::string(way.name()));
    if (plan.step) {
        m_events.keyboardCycleUsed(plan.step->position, plan.step->fromName, plan.step->toName);
    }
    if (!plan.result) {
        m_cycle.markRestored(plan.replacement);
        sayText("✅ Restored original: '", plan.replacement, "'");
    } else {
        if (!plan.step) {
            m_cycle.resetCycle();
        }
        const auto& result = *plan.result;
        m_cycle.updateCycleState(plan.converted, result.convertedText, result, selectedKeyboards());
        recordStatistics(result);
        m_events.conversionPerformed(result.fromLanguage, result.toLanguage,
                                     characters(result.convertedText), way.method());
        if (m_settings.autoSwitchKeyboard()) {
            m_accessibility.switchKeyboardForTarget(result.toLayoutID,
                                                    toStd(m_settings.selectedKeyboards()));
        }
    }
    emit conversionSucceeded();
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

bool HotkeyService::shouldDeselectAfterReplace() {
    const auto mappings =
        engine::KeyboardMappingRegistry::shared().mappingsFor(selectedKeyboards());
    if (mappings.size() < 3) {
        return true;
    }
    return !m_main.call([this] { return m_settings.keepSelectionAfterConversion(); });
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
