#include "app/press_alerts.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/fake/fake_accessibility_text.h"
#include "platform/fake/fake_input_sources.h"
#include "platform/fake/fake_workspace.h"
#include "service/accessibility_service.h"

namespace korrelang::app {
namespace {

using service::PressFailure;

class RecordingAlerts final : public Alerts {
public:
    std::vector<Alert> shown;
    std::optional<std::size_t> answer = 1;
    std::optional<std::size_t> runModal(const Alert& alert) override {
        shown.push_back(alert);
        return answer;
    }
};

class PressAlertsTest : public ::testing::Test {
protected:
    platform::fake::FakeAccessibilityText accessibility;
    platform::fake::FakeInputSources inputSources;
    platform::fake::FakeWorkspace workspace;
    service::AccessibilityService service{accessibility, inputSources, workspace};
    RecordingAlerts alerts;
    PressAlerts pressAlerts{alerts, service};
};

TEST_F(PressAlertsTest, EachReasonHasItsAlert) {
    struct Case {
        PressFailure reason;
        const char* title;
        Alert::Style style;
        std::size_t buttons;
    };
    const Case cases[] = {
        {PressFailure::accessibilityDenied, "Accessibility Permission Required",
         Alert::Style::Warning, 2},
        {PressFailure::noText, "Debug: No Text Found", Alert::Style::Informational, 1},
        {PressFailure::notConverted, "Debug: Conversion Failed", Alert::Style::Informational, 1},
        {PressFailure::notReplaced, "Could Not Replace Text", Alert::Style::Informational, 1},
    };
    for (const Case& c : cases) {
        pressAlerts.pressFailed(c.reason, {});
        ASSERT_FALSE(alerts.shown.empty());
        const Alert& alert = alerts.shown.back();
        EXPECT_EQ(alert.title, c.title);
        EXPECT_EQ(alert.style, c.style);
        EXPECT_EQ(alert.buttons.size(), c.buttons);
    }
}

TEST_F(PressAlertsTest, TheConversionAlertNamesTheSelectedKeyboards) {
    pressAlerts.pressFailed(PressFailure::notConverted, {"English (US)", "Russian"});
    const auto& lines = alerts.shown.at(0).lines;
    EXPECT_NE(
        std::find(lines.begin(), lines.end(), "Your selected keyboards: English (US), Russian"),
        lines.end());
}

TEST_F(PressAlertsTest, TheAccessibilityAlertOpensTheSettings) {
    accessibility.trusted = false;
    alerts.answer = 0;
    pressAlerts.pressFailed(PressFailure::accessibilityDenied, {});
    EXPECT_EQ(accessibility.trustRequests, 1);
    EXPECT_EQ(workspace.openedAddresses, (std::vector<std::string>{"settings://accessibility"}));
    alerts.answer = 1;
    pressAlerts.pressFailed(PressFailure::accessibilityDenied, {});
    EXPECT_EQ(accessibility.trustRequests, 1);
    alerts.answer = std::nullopt;  // closed by the window manager
    pressAlerts.pressFailed(PressFailure::accessibilityDenied, {});
    EXPECT_EQ(accessibility.trustRequests, 1);
    // The first button of another alert is its "OK".
    alerts.answer = 0;
    pressAlerts.pressFailed(PressFailure::notReplaced, {});
    EXPECT_EQ(accessibility.trustRequests, 1);
}

}  // namespace
}  // namespace korrelang::app
