#pragma once

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <optional>

#include "accessibility_service.h"
#include "clipboard_strategies.h"
#include "clock.h"
#include "conversion_cycle.h"
#include "conversion_events.h"
#include "conversion_pipeline.h"
#include "engine/word_scorer.h"
#include "main_thread.h"
#include "platform/platform.h"
#include "press_effects.h"
#include "press_failure.h"
#include "replacement_planner.h"

namespace korrelang::settings {
class Settings;
}

namespace korrelang::service {

/// What the conversion hotkey does: checks that a press may run (the application switched on,
/// assistive technologies on, the frontmost application not blacklisted) and hands it to the
/// conversion pipeline, which tries the ways of reading and writing in order, cycles through
/// the user's layouts on repeated presses and, after a verified write, records and reports it.
///
/// Lives on the main thread. Ways that wait between key presses run on one background worker;
/// while it runs, further presses are ignored. The worker reaches the desktop, the settings and
/// the usage events only through synchronous hops to the main thread.
class HotkeyService : public QObject {
    Q_OBJECT

public:
    HotkeyService(const platform::Platform& platform, AccessibilityService& accessibility,
                  settings::Settings& settings, ConversionEvents& events, PressNotices& notices,
                  Clock& clock, QObject* parent = nullptr);
    ~HotkeyService() override;

    /// What the hotkey's release runs: nothing while the application is switched off.
    void hotkeyEntry();
    void handleHotkey();

    bool isConversionInProgress() const { return m_inProgress; }
    const ConversionCycle& cycle() const { return m_planner.cycle(); }
    /// The word check that helps the converter choose the meant layout, or null (the rules
    /// alone). Set before the first press; it must outlive the service.
    void setWordScorer(const engine::WordScorer* words) { m_planner.setWordScorer(words); }

    /// Blocks until the background worker is idle, running the main thread's events meanwhile.
    void waitForWorker();

signals:
    /// A conversion was written back (the status icon shows a check mark).
    void conversionSucceeded();
    /// A press has completely ended, the background job included.
    void pressFinished();

private:
    bool isBlacklisted(const std::optional<platform::Application>& app) const;
    /// Runs the pipeline; returns whether the press went on on the worker.
    bool convert();

    platform::Platform m_platform;
    AccessibilityService& m_accessibility;
    settings::Settings& m_settings;
    MainThread m_main;
    ClipboardStrategies m_clipboard;
    ReplacementPlanner m_planner;
    PressEffects m_effects;
    ConversionPipeline m_pipeline;
    std::atomic<bool> m_inProgress = false;
    QThreadPool m_worker;
};

}  // namespace korrelang::service
