#include <gtest/gtest.h>

#include <QSettings>
#include <optional>

#include "support/desktop_windows.h"

namespace korrelang::testing {
namespace {

TEST(WindowsTest, OnboardingThenPreferencesFromThePopup) {
    // A fresh file but for the switches that would reach outside the session.
    const QString settingsFile = writeSettingsFile(
        "[General]\nsmartCapitalization=false\nstartAtLogin=false\nanalyticsEnabled=false\n");
    ASSERT_FALSE(settingsFile.isEmpty());

    const auto trayer = startTrayHost();
    ASSERT_TRUE(trayer);

    const Child korrelang(QStringLiteral(KORRELANG_BINARY), {});
    std::vector<Window> onboarding;
    ASSERT_TRUE(waitUntil([&] {
        return !(onboarding = windowsOfSize(korrelang.pid(), 400, 380)).empty();
    })) << "no onboarding window";
    const Window welcome = onboarding.front();
    EXPECT_EQ(title(welcome), QStringLiteral("Welcome to Korrelang"));

    // The terms check box sits at the left of the row above Continue; Continue fills the width
    // 24 points above the bottom.
    clickIn(welcome, 39, 274);
    screenshot(QStringLiteral(KORRELANG_TEST_OUTPUT_DIR "/windows_onboarding.png"));
    clickIn(welcome, 200, 339);
    ASSERT_TRUE(waitUntil([&] { return windowsOfSize(korrelang.pid(), 400, 380).empty(); }))
        << "Continue did not close the onboarding";
    const QSettings stored(settingsFile, QSettings::IniFormat);
    EXPECT_TRUE(stored.value(QStringLiteral("hasCompletedFirstLaunch")).toBool());
    EXPECT_TRUE(stored.value(QStringLiteral("hasAcceptedTerms")).toBool());
    EXPECT_GE(stored.value(QStringLiteral("selectedKeyboards")).toStringList().size(), 2);
    EXPECT_TRUE(korrelang.isRunning());

    std::optional<Window> icon;
    ASSERT_TRUE(waitUntil([&] { return (icon = trayIcon(korrelang.pid())).has_value(); }));
    for (int opening = 0; opening < 2; ++opening) {
        click(icon->x + icon->width / 2, icon->y + icon->height / 2);
        std::vector<Window> popup;
        ASSERT_TRUE(
            waitUntil([&] { return !(popup = windowsOfSize(korrelang.pid(), 340, 420)).empty(); }));
        // "Preferences" is the left half of the popup's footer.
        clickIn(popup.front(), 85, 397);
        std::vector<Window> preferences;
        ASSERT_TRUE(waitUntil([&] {
            return !(preferences = windowsOfSize(korrelang.pid(), 760, 620)).empty();
        })) << "the settings window did not open";
        EXPECT_EQ(preferences.size(), 1u);
        EXPECT_EQ(title(preferences.front()), QStringLiteral("Korrelang Preferences"));
    }
    EXPECT_EQ(windowsOfSize(korrelang.pid(), 760, 620).size(), 1u);
    screenshot(QStringLiteral(KORRELANG_TEST_OUTPUT_DIR "/windows_preferences.png"));
}

}  // namespace
}  // namespace korrelang::testing
