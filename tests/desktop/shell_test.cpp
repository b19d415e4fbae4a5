#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <optional>

#include "desktop_harness.h"

namespace korrelang::testing {
namespace {

struct Window {
    std::string id;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

/// The mapped windows of a process, with their places on the screen.
std::vector<Window> visibleWindows(qint64 pid) {
    std::vector<Window> windows;
    const QString ids = QString::fromStdString(runProgram(
        QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                    QStringLiteral("--pid"), QString::number(pid)}));
    for (const QString& id : ids.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        Window window{id.toStdString()};
        const QString shell = QString::fromStdString(
            runProgram(QStringLiteral("xdotool"),
                       {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id}));
        for (const QString& line : shell.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QString value = line.section(QLatin1Char('='), 1);
            if (line.startsWith(QLatin1String("X=")))
                window.x = value.toInt();
            if (line.startsWith(QLatin1String("Y=")))
                window.y = value.toInt();
            if (line.startsWith(QLatin1String("WIDTH=")))
                window.width = value.toInt();
            if (line.startsWith(QLatin1String("HEIGHT=")))
                window.height = value.toInt();
        }
        windows.push_back(window);
    }
    return windows;
}

std::optional<Window> windowOfSize(qint64 pid, int width, int height) {
    for (const Window& window : visibleWindows(pid)) {
        if (window.width == width && window.height == height) {
            return window;
        }
    }
    return std::nullopt;
}

/// The tray icon: the small window of the process docked in the tray host.
std::optional<Window> trayIcon(qint64 pid) {
    for (const Window& window : visibleWindows(pid)) {
        if (window.width > 0 && window.width <= 48 && window.height <= 48) {
            return window;
        }
    }
    return std::nullopt;
}

void click(int x, int y, int button = 1) {
    runProgram(QStringLiteral("xdotool"),
               {QStringLiteral("mousemove"), QString::number(x), QString::number(y),
                QStringLiteral("click"), QString::number(button)});
}

void screenshot(const QString& path) {
    runProgram(QStringLiteral("/usr/bin/python3"),
               {QStringLiteral("-c"),
                QStringLiteral("import sys, gi; gi.require_version('Gdk', '3.0')\n"
                               "from gi.repository import Gdk\n"
                               "r = Gdk.get_default_root_window()\n"
                               "Gdk.pixbuf_get_from_window(r, 0, 0, r.get_width(), r.get_height())"
                               ".savev(sys.argv[1], 'png', [], [])\n"),
                path});
}

TEST(ShellTest, TrayIconOpensThePopupAndASecondLaunchReopensIt) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                           QStringLiteral("/Korrelang");
    ASSERT_TRUE(QDir().mkpath(config));
    QFile settings(config + QStringLiteral("/Korrelang.conf"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(
        "[General]\nhasCompletedFirstLaunch=true\nsmartCapitalization=false\n"
        "startAtLogin=false\n");
    settings.close();

    const Child trayer(
        QStringLiteral("trayer"),
        {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
         QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("request"),
         QStringLiteral("--height"), QStringLiteral("24")});
    ASSERT_TRUE(waitUntil([&] { return !visibleWindows(trayer.pid()).empty(); }));

    const Child korrelang(QStringLiteral(KORRELANG_BINARY), {});
    std::optional<Window> icon;
    ASSERT_TRUE(waitUntil([&] { return (icon = trayIcon(korrelang.pid())).has_value(); }))
        << "no tray icon appeared";
    // Docked: the icon lies inside the tray host's panel.
    const std::vector<Window> panels = visibleWindows(trayer.pid());
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
