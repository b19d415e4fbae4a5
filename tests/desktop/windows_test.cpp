#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <optional>

#include "desktop_harness.h"

namespace korrelang::testing {
namespace {

struct Window {
    QString id;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

std::vector<Window> visibleWindows(qint64 pid) {
    std::vector<Window> windows;
    const QString ids = QString::fromStdString(runProgram(
        QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                    QStringLiteral("--pid"), QString::number(pid)}));
    for (const QString& id : ids.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        Window window{id};
        const QString shell = QString::fromStdString(
            runProgram(QStringLiteral("xdotool"),
                       {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id}));
        for (const QString& line : shell.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const int value = line.section(QLatin1Char('='), 1).toInt();
            if (line.startsWith(QLatin1String("X=")))
                window.x = value;
            if (line.startsWith(QLatin1String("Y=")))
                window.y = value;
            if (line.startsWith(QLatin1String("WIDTH=")))
                window.width = value;
            if (line.startsWith(QLatin1String("HEIGHT=")))
                window.height = value;
        }
        windows.push_back(window);
    }
    return windows;
}

std::vector<Window> windowsOfSize(qint64 pid, int width, int height) {
    std::vector<Window> found;
    for (const Window& window : visibleWindows(pid)) {
        if (window.width == width && window.height == height) {
            found.push_back(window);
        }
    }
    return found;
}

std::optional<Window> trayIcon(qint64 pid) {
    for (const Window& window : visibleWindows(pid)) {
        if (window.width > 0 && window.width <= 48 && window.height <= 48) {
            return window;
        }
    }
    return std::nullopt;
}

QString title(const Window& window) {
    return QString::fromStdString(
               runProgram(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), window.id}))
        .trimmed();
}

void click(int x, int y) {
    runProgram(QStringLiteral("xdotool"),
               {QStringLiteral("mousemove"), QString::number(x), QString::number(y),
                QStringLiteral("click"), QStringLiteral("1")});
}

/// A click at a point of a window's content. Relative to the window itself: the position that
/// getwindowgeometry reports for a decorated window is off by its title bar.
void clickIn(const Window& window, int x, int y) {
    runProgram(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"),
                                           window.id, QString::number(x), QString::number(y),
                                           QStringLiteral("click"), QStringLiteral("1")});
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

TEST(WindowsTest, OnboardingThenPreferencesFromThePopup) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                           QStringLiteral("/Korrelang");
    QDir(config).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(config));
    {
        // A fresh file but for the switches that would reach outside the session.
        QFile settings(config + QStringLiteral("/Korrelang.conf"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(
            "[General]\nsmartCapitalization=false\nstartAtLogin=false\n"
            "analyticsEnabled=false\n");
    }

    const Child trayer(
        QStringLiteral("trayer"),
        {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
         QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("request"),
         QStringLiteral("--height"), QStringLiteral("24")});
    ASSERT_TRUE(waitUntil([&] { return !visibleWindows(trayer.pid()).empty(); }));

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
    const QSettings stored(config + QStringLiteral("/Korrelang.conf"), QSettings::IniFormat);
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
