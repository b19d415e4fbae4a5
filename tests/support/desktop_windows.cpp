#include "desktop_windows.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace korrelang::testing {

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

std::optional<Window> windowOfSize(qint64 pid, int width, int height) {
    const std::vector<Window> found = windowsOfSize(pid, width, height);
    return found.empty() ? std::nullopt : std::optional<Window>(found.front());
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

void click(int x, int y, int button) {
    runProgram(QStringLiteral("xdotool"),
               {QStringLiteral("mousemove"), QString::number(x), QString::number(y),
                QStringLiteral("click"), QString::number(button)});
}

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

QString writeSettingsFile(const QByteArray& contents) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                           QStringLiteral("/Korrelang");
    QDir(config).removeRecursively();
    QFile settings(config + QStringLiteral("/Korrelang.conf"));
    if (!QDir().mkpath(config) || !settings.open(QIODevice::WriteOnly) ||
        settings.write(contents) != contents.size()) {
        return {};
    }
    return settings.fileName();
}

std::unique_ptr<Child> startTrayHost() {
    auto trayer = std::make_unique<Child>(
        QStringLiteral("trayer"),
        QStringList{QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
                    QStringLiteral("right"), QStringLiteral("--widthtype"),
                    QStringLiteral("request"), QStringLiteral("--height"), QStringLiteral("24")});
    if (!waitUntil([&] { return !visibleWindows(trayer->pid()).empty(); })) {
        return nullptr;
    }
    return trayer;
}

}  // namespace korrelang::testing
