#pragma once

#include <string>
#include <vector>

#include "alerts.h"
#include "service/press_failure.h"

namespace korrelang::service {
class AccessibilityService;
}

namespace korrelang::app {

/// The conversion service's failures as the user reads them: each reason worded as an alert,
/// shown modally. Answering the accessibility alert with "Open Settings" turns assistive
/// technologies on for the session, or else opens the desktop's settings page.
class PressAlerts final : public service::PressNotices {
public:
    PressAlerts(Alerts& alerts, service::AccessibilityService& accessibility)
        : m_alerts(alerts), m_accessibility(accessibility) {}

    void pressFailed(service::PressFailure reason,
                     const std::vector<std::string>& keyboardNames) override;

    /// The alert for `reason`, in English (AlertTexts translates it where it is shown).
    static Alert alertFor(service::PressFailure reason,
                          const std::vector<std::string>& keyboardNames = {});

private:
    Alerts& m_alerts;
    service::AccessibilityService& m_accessibility;
};

}  // namespace korrelang::app
