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
#include "engine/word_scorer.h"
#include "main_thread.h"
#include "platform/platform.h"
#include "settings/conversion_statistics.h"

namespace korrelang::settings {
class Settings;
}

namespace korrelang::service {

/// One press of the conversion hotkey: read the text of the focused application (through the
/// accessibility interface, else through the clipboard on a background worker), convert it,
/// cycle through the user's layouts on repeated presses, record it, switch the keyboard, and
/// write the result back. Every failure ends in a log line and, depending on the failure, a
/// beep, a usage event and an alert.
///
/// Lives on the main thread. The clipboard paths run on one background worker; while one runs,
/// further presses are ignored. The worker reaches the desktop, the settings and the usage
/// events only through synchronous hops to the main thread.
class HotkeyService : public QObject {
    Q_OBJECT

public:
    HotkeyService(const platform::Platform& platform, settings::Settings& settings,
                  ConversionEvents& events, Alerts& alerts, Clock& clock,
                  QObject* parent = nullptr);
    ~HotkeyService() override;

    /// What the hotkey's release runs: nothing while the application is switched off.
    void hotkeyEntry();
    void handleHotkey();

    void convertSelectedText(const std::string& text);
    void convertLineText(const std::string& text, long location, long length);
    bool isFrontmostAppBlacklisted();

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
    friend class ClipboardStrategies;

    /// The shared core after the blacklist check: cycle, convert, record, report, switch.
    /// Returns the text to write, or nothing when the converter found no result.
    std::optional<std::string> convertCore(const std::string& current,
                                           ConversionEvents::Method method);
    void recordStatistics(const engine::ConversionResult& result);
    /// Stores the conversions recorded since the last store.
    void storeStatistics();
    void notifyNoTextFound();
    void notifyConversionFailed();
    bool shouldDeselectAfterReplace();
    void startJob(bool slowApp);
    void showAlertLater(Alert alert, bool opensSettings = false);
    void failed(ConversionEvents::FailureReason reason);
    std::vector<std::string> selectedKeyboards() const;

    platform::Platform m_platform;
    settings::Settings& m_settings;
    ConversionEvents& m_events;
    Alerts& m_alerts;
    Clock& m_clock;
    MainThread m_main;
    AccessibilityService m_accessibility;
    ClipboardStrategies m_clipboard;

    /// Recorded but not yet stored: the store syncs the file to disk, which must not delay the
    /// write-back, so it runs once the press has returned to the event loop.
    std::optional<settings::ConversionStatistics> m_pendingStatistics;
    std::atomic<bool> m_inProgress = false;
    std::optional<std::string> m_activeLayoutID;
    const engine::WordScorer* m_words = nullptr;
    /// The frontmost application as the running press found it, so that the accessibility
    /// paths do not ask the desktop twice within one press.
    std::optional<std::optional<platform::Application>> m_pressApplication;
    ConversionCycle m_cycle;
    QThreadPool m_worker;
};

}  // namespace korrelang::service
