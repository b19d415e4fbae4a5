// The composition root: the back end is chosen here, once, and everything else receives it by
// reference. Without arguments korrelang runs as the tray application (or, when one already
// runs, opens its dashboard); anything else is the command line.
#include <QApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "analytics/analytics_service.h"
#include "app_delegate.h"
#include "cli/command_line.h"
#include "engine/log_sink.h"
#include "keyboards/key_code_monitor.h"
#include "keyboards/keyboard_detector.h"
#include "platform/linux/linux_desktop.h"
#include "platform/x11/xkb_input_sources.h"
#include "popup_bus.h"
#include "service/accessibility_service.h"
#include "settings/autostart_login_item.h"
#include "settings/settings.h"
#include "shortcuts/global_shortcuts.h"

namespace {

using namespace korrelang;

int runApplication(int argc, char** argv) {
    if (app::PopupBus::isRunning()) {
        return app::PopupBus::requestShow();
    }
    // The screens are small and static: the software renderer starts faster and needs no GPU
    // context in memory.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korrelang"));
    QGuiApplication::setDesktopFileName(QStringLiteral("korrelang"));

    settings::Settings settings;
    engine::LogSink::install([&settings](const engine::LogLine& line) {
        // Lines are read from pipes and files: one write and one flush per line.
        const std::string text = line.render(settings.showDebugAlerts()) + "\n";
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    });
    settings::AutostartLoginItem loginItem;
    settings.setLoginItem(&loginItem);
    analytics::AnalyticsService analytics(settings.analyticsEnabled());
    settings.setReporter(&analytics);

    platform::linux_desktop::LinuxDesktop desktop;
    if (!desktop.hasDisplay()) {
        std::fprintf(stderr, "korrelang: cannot open the X display\n");
        return 1;
    }
    const platform::Platform platform = desktop.bundle();
    service::AccessibilityService accessibility(platform.accessibility, platform.inputSources,
                                                platform.workspace);
    shortcuts::GlobalShortcuts shortcuts(settings.path(), platform.hotKeys, platform.inputSources);
    const shortcuts::Name toggleConversion = shortcuts::Name::toggleConversion();
    keyboards::KeyCodeMonitor monitor(platform.keyInterceptor, platform.workspace, settings);
    settings.setCapitalizationMonitor(&monitor);

    app::AppDelegate delegate(app::AppServices{
        settings, accessibility, platform.inputSources, analytics,
        [&] {
            // The conversion service registers its release handler here when it is composed.
            shortcuts.addName(toggleConversion);
        },
        [&] {
            const auto shortcut = shortcuts.shortcutFor(toggleConversion);
            return shortcut ? QString::fromStdString(shortcuts.description(*shortcut)) : QString();
        },
        [&] { monitor.startMonitor(); }});
    QObject::connect(&shortcuts, &shortcuts::GlobalShortcuts::shortcutByNameDidChange, &delegate,
                     &app::AppDelegate::refreshShortcutText);

    app::PopupBus popupBus([&delegate] { delegate.openPopover(); });
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!popupBus.publish() || !bus.registerService(QString::fromUtf8(app::PopupBus::kService))) {
        if (app::PopupBus::isRunning()) {
            // Another instance won the race for the name.
            return app::PopupBus::requestShow();
        }
        std::fprintf(stderr, "korrelang: cannot take the name %s on the session bus: %s\n",
                     app::PopupBus::kService, qPrintable(bus.lastError().message()));
        return 1;
    }

    delegate.applicationDidFinishLaunching();
    const int status = QApplication::exec();
    settings.setCapitalizationMonitor(nullptr);
    settings.setReporter(nullptr);
    settings.setLoginItem(nullptr);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        return runApplication(argc, argv);
    }
    cli::CommandLine::Desktop desktop;
    desktop.installedKeyboards = [] {
        // Opened only when a command asks: the other commands work without a display.
        const platform::x11::XkbInputSources inputSources;
        return keyboards::KeyboardDetector(inputSources).installedKeyboards();
    };
    return cli::CommandLine::run(args, std::cin, std::cout, std::cerr, desktop);
}
