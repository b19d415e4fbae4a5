#pragma once

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "accessibility_service.h"
#include "alerts.h"
#include "clipboard_strategies.h"
#include "clock.h"
#include "conversion_cycle.h"
#include "conversion_events.h"
#include "conversion_way.h"
#include "engine/word_scorer.h"
#include "main_thread.h"
#include "platform/platform.h"
#include "settings/conversion_statistics.h"

namespace korrelang::settings {
class Settings;
}

namespace korrelang::service {

/// One press of the conversion hotkey: find the text of the focused application and write its
/// conversion back, trying the ways of reading and writing in order (a slow application's, the
/// accessibility interface, pasting over text read through it, copying and pasting with keys)
/// until one writes it and reads it back; cycle through the user's layouts on repeated presses;
/// and only after a verified write record the conversion, report it and switch the keyboard.
/// Every failure ends in a log line and, depending on the failure, a beep, a usage event and an
/// alert.
///
/// Lives on the main thread. Ways that wait between key presses run on one background worker;
/// while it runs, further presses are ignored. The worker reaches the desktop, the settings and
/// the usage events only through synchronous hops to the main thread.
class HotkeyService : public QObject, private ConversionPress {
    Q_OBJECT

public:
    HotkeyService(const platform::Platform& platform, settings::Settings& settings,
                  ConversionEvents& events, Alerts& alerts, Clock& clock,
                  QObject* parent = nullptr);
    ~HotkeyService() override;

    /// What the hotkey's release runs: nothing while the application is switched off.
    void hotkeyEntry();
    void handleHotkey();

    bool isConversionInProgress() const { return m_inProgress; }
    const ConversionCycle& cycle() const { return m_cycle; }
    const std::optional<std::string>& activeLayoutID() const { return m_activeLayoutID; }
    AccessibilityService& accessibilityService() { return m_accessibility; }
    /// The word check that helps the converter choose the meant layout, or null (the rules
    /// alone). Set before the first press; it must outlive the service.
    void setWordScorer(const engine::WordScorer* words) { m_words = words; }

    /// Blocks until the background worker is idle, running the main thread's events meanwhile.
    void waitForWorker();

    /// The alerts of a press, with the texts the user sees.
    static Alert accessibilityAlert();
    static Alert noTextDebugAlert();
    static Alert conversionFailedDebugAlert(const std::vector<std::string>& keyboardNames);
    static Alert replaceFailedAlert();

signals:
    /// A conversion was written back (the status icon shows a check mark).
    void conversionSucceeded();
    /// A press has completely ended, the background job included.
    void pressFinished();

private:
    /// What one text of a press converts to, remembered so that every way that reads the same
    /// text writes the same result, and committed once a way has written it.
    struct Plan {
        std::string current;  ///< the text read
        std::string replacement;
        std::optional<CycleStep> step;
        std::optional<engine::ConversionResult> result;  ///< none for a restoring step
        std::string converted;  ///< the text that was converted (the cycle's original)
    };

    // ConversionPress
    const std::optional<platform::Application>& application() const override {
        return m_application;
    }
    std::optional<std::string> replacementFor(const std::string& current) override;
    bool textWasRead() const override { return m_attemptedWrite; }
    bool shouldDeselectAfterReplace() override;

    bool isBlacklisted(const std::optional<platform::Application>& app);
    /// Tries the ways from `first` on, each on its thread. Returns whether the press went on on
    /// the worker.
    bool runWays(std::size_t first);
    /// After a verified write: the cycle, the statistics, the usage events, the keyboard switch.
    void commit(const ConversionWay& way);
    void recordStatistics(const engine::ConversionResult& result);
    /// Stores the conversions recorded since the last store.
    void storeStatistics();
    void notifyNoTextFound();
    void notifyConversionFailed();
    void showAlertLater(Alert alert, bool opensSettings = false);
    std::vector<std::string> selectedKeyboards() const;

    platform::Platform m_platform;
    settings::Settings& m_settings;
    ConversionEvents& m_events;
    Alerts& m_alerts;
    Clock& m_clock;
    MainThread m_main;
    AccessibilityService m_accessibility;
    ClipboardStrategies m_clipboard;
    std::vector<std::unique_ptr<ConversionWay>> m_ways;

    /// Recorded but not yet stored: the store syncs the file to disk, which must not delay the
    /// write-back, so it runs once the press has returned to the event loop.
    std::optional<settings::ConversionStatistics> m_pendingStatistics;
    std::atomic<bool> m_inProgress = false;
    std::optional<std::string> m_activeLayoutID;
    const engine::WordScorer* m_words = nullptr;
    // The running press: its application, what it converts, whether a way tried to write, and
    // the cycle as it was before the press (put back when nothing is written).
    std::optional<platform::Application> m_application;
    std::optional<Plan> m_plan;
    std::atomic<bool> m_attemptedWrite = false;
    ConversionCycle m_cycle;
    ConversionCycle m_cycleBefore;
    QThreadPool m_worker;
};

}  // namespace korrelang::service
