#pragma once

#include <optional>
#include <string>
#include <vector>

#include "accessibility_service.h"
#include "conversion_events.h"
#include "main_thread.h"
#include "platform/workspace.h"
#include "press_failure.h"
#include "replacement_planner.h"
#include "settings/conversion_statistics.h"

namespace korrelang::settings {
class Settings;
}

namespace korrelang::service {

/// What follows the end of a press. After a verified write: the statistics, the usage events
/// and the keyboard switch. After a failure: the usage event, the beep and, depending on the
/// reason, the notice. Main thread only.
class PressEffects {
public:
    PressEffects(platform::Workspace& workspace, AccessibilityService& accessibility,
                 settings::Settings& settings, ConversionEvents& events, PressNotices& notices,
                 const MainThread& main)
        : m_workspace(workspace),
          m_accessibility(accessibility),
          m_settings(settings),
          m_events(events),
          m_notices(notices),
          m_main(main) {}

    /// `plan` was written by a way reported as `method`; `keyboards` are the press's keyboards.
    void converted(const ConversionPlan& plan, ConversionEvents::Method method,
                   const std::vector<std::string>& keyboards);
    void failed(PressFailure reason, const std::vector<std::string>& keyboards);

    /// The user hears that the press ended.
    void beep() { m_workspace.beep(); }

    /// Stores the conversions recorded since the last store.
    void storeStatistics();

private:
    void recordStatistics(const engine::ConversionResult& result);
    void beep(const char* line);
    /// Shows the notice once the press has returned to the event loop.
    void noticeLater(PressFailure reason, std::vector<std::string> keyboardNames = {});

    platform::Workspace& m_workspace;
    AccessibilityService& m_accessibility;
    settings::Settings& m_settings;
    ConversionEvents& m_events;
    PressNotices& m_notices;
    const MainThread& m_main;
    /// Recorded but not yet stored: the store syncs the file to disk, which must not delay the
    /// write-back, so it runs once the press has returned to the event loop.
    std::optional<settings::ConversionStatistics> m_pendingStatistics;
};

}  // namespace korrelang::service
