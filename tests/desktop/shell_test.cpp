#include <gtest/gtest.h>

#include <QProcess>
#include <algorithm>
#include <optional>

#include "support/desktop_windows.h"

namespace korrelang::testing {
namespace {

TEST(ShellTest, TrayIconOpensThePopupAndASecondLaunchReopensIt) {
    ASSERT_FALSE(
        writeSettingsFile("[General]\nhasCompletedFirstLaunch=true\nsmartCapitalization=false\n"
                          "startAtLogin=false\n")
            .isEmpty());

    const auto trayer = startTrayHost();
    ASSERT_TRUE(trayer);

    const Child korrelang(QStringLiteral(KORRELANG_BINARY), {});
    std::optional<Window> icon;
    ASSERT_TRUE(waitUntil([&] { return (icon = trayIcon(korrelang.pid())).has_value(); }))
        << "no tray icon appeared";
    // Docked: the icon lies inside the tray host's panel.
    const std::vector<Window> panels = visibleWindows(trayer->pid());
    ASSERT_FALSE(panels.empty());
    EXPECT_TRUE(std::any_of(panels.begin(), panels.end(), [&](const Window& panel) {
        return icon->x >= panel.x && icon->y >= panel.y &&
               icon->x + icon->width <= panel.x + panel.width &&
               icon->y + icon->height <= panel.y + panel.height;
    })) << "the icon is not inside the tray";

    click(icon->x + icon->width / 2, icon->y + icon->height / 2);
    std::optional<Window> popup;
    ASSERT_TRUE(waitUntil([&] {
        return (popup = windowOfSize(korrelang.pid(), 340, 420)).has_value();
    })) << "the popup did not open";
    // Under a top-right tray the popup hangs below the icon, inside the screen.
    EXPECT_GT(popup->y, icon->y);
    EXPECT_GE(popup->x, 0);
    screenshot(QStringLiteral(KORRELANG_TEST_OUTPUT_DIR "/shell_popup.png"));

    click(popup->x - 200, popup->y + 300);
    EXPECT_TRUE(waitUntil([&] { return !windowOfSize(korrelang.pid(), 340, 420); }))
        << "a click elsewhere left the popup open";

    QProcess second;
    second.start(QStringLiteral(KORRELANG_BINARY), {});
    ASSERT_TRUE(second.waitForFinished(10'000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(waitUntil([&] { return windowOfSize(korrelang.pid(), 340, 420).has_value(); }))
        << "the second launch did not open the first one's popup";
    EXPECT_TRUE(korrelang.isRunning());

    // A click on the icon closes the popup again; a right click works like a left one. (The
    // buttons alternate: two quick presses of one button would make a double click.)
    const int iconX = icon->x + icon->width / 2;
    const int iconY = icon->y + icon->height / 2;
    click(iconX, iconY, 1);
    EXPECT_TRUE(waitUntil([&] { return !windowOfSize(korrelang.pid(), 340, 420); }))
        << "a click on the icon left the popup open";
    click(iconX, iconY, 3);
    EXPECT_TRUE(waitUntil([&] { return windowOfSize(korrelang.pid(), 340, 420).has_value(); }))
        << "a right click did not open the popup";
    click(iconX, iconY, 1);
    EXPECT_TRUE(waitUntil([&] { return !windowOfSize(korrelang.pid(), 340, 420); }))
        << "a click on the icon left the popup open";
}

}  // namespace
}  // namespace korrelang::testing
