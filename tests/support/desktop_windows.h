#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "desktop_harness.h"

namespace korrelang::testing {

/// A mapped window as xdotool sees it, with its place on the screen.
struct Window {
    QString id;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

/// The mapped windows of a process.
std::vector<Window> visibleWindows(qint64 pid);
/// The mapped windows of a process that have exactly this size.
std::vector<Window> windowsOfSize(qint64 pid, int width, int height);
/// The first mapped window of a process that has exactly this size.
std::optional<Window> windowOfSize(qint64 pid, int width, int height);
/// The tray icon: the small window of the process docked in the tray host.
std::optional<Window> trayIcon(qint64 pid);
/// The window's title.
QString title(const Window& window);

/// A click of `button` at a point of the screen.
void click(int x, int y, int button = 1);
/// A click at a point of a window's content. Relative to the window itself: the position that
/// getwindowgeometry reports for a decorated window is off by its title bar.
void clickIn(const Window& window, int x, int y);
/// Saves the whole screen as a PNG file.
void screenshot(const QString& path);

/// Replaces the session's Korrelang settings with a file that holds `contents`; the file's path,
/// or empty when it could not be written.
QString writeSettingsFile(const QByteArray& contents);

/// A tray host along the top right of the screen, once its panel is mapped; null when it never
/// showed.
std::unique_ptr<Child> startTrayHost();

}  // namespace korrelang::testing
