// The composition root: the back end is chosen here, once, and everything else receives it by
// reference. Without arguments korrelang runs as the desktop service; `--convert` asks the
// running service to convert; anything else is the command line.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "analytics/analytics_service.h"
#include "analytics_conversion_events.h"
#include "cli/command_line.h"
#include "conversion_bus.h"
#include "keyboards/key_code_monitor.h"
#include "keyboards/keyboard_detector.h"
#include "log_writer.h"
#include "message_box_alerts.h"
#include "platform/linux/linux_desktop.h"
#include "platform/x11/xkb_input_sources.h"
#include "service/hotkey_service.h"
#include "settings/autostart_login_item.h"
#include "settings/settings.h"
#include "shortcuts/global_shortcuts.h"
#include "termination_signals.h"

namespace {

using namespace korrelang;

QStringList toQt(const std::vector<keyboards::KeyboardLayout>& layouts) {
    QStringList ids;
    for (const auto& layout : layouts) {
        ids.append(QString::fromStdString(layout.id));
    }
    return ids;
}

int runService(int argc, char** argv) {
    // Only the X11 back end exists so far; without a display Qt would abort.
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "korrelang: no X display (DISPLAY is not set)\n");
        return 1;
    }
    QApplication application(argc, argv);
    application.setApplicationName("Korrelang");
    application.setQuitOnLastWindowClosed(false);

    settings::Settings settings;
    app::LogWriter log(settings.showDebugAlerts());
    QObject::connect(&settings, &settings::Settings::showDebugAlertsChanged, &settings,
                     [&] { log.setShowUserText(settings.showDebugAlerts()); });
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

    // Until the onboarding exists, a user without a selection converts between the layouts
    // the desktop has (never a fallback list).
    if (settings.selectedKeyboards().isEmpty()) {
        const auto detected =
            keyboards::KeyboardDetector(platform.inputSources).installedKeyboards();
        if (!detected.isFallback) {
            settings.setSelectedKeyboards(toQt(detected.keyboards));
        }
    }

    app::AnalyticsConversionEvents events(analytics);
    app::MessageBoxAlerts alerts;
    service::SystemClock clock;
    service::HotkeyService hotkeys(platform, settings, events, alerts, clock);

    shortcuts::GlobalShortcuts shortcuts(settings.path(), platform.hotKeys, platform.inputSources);
    const shortcuts::Name toggleConversion = shortcuts::Name::toggleConversion();
    shortcuts.addName(toggleConversion);
    shortcuts.addKeyUpHandler(toggleConversion, [&hotkeys] { hotkeys.hotkeyEntry(); });

    keyboards::KeyCodeMonitor monitor(platform.keyInterceptor, platform.workspace, settings);
    settings.setCapitalizationMonitor(&monitor);

    // The bus name last: whoever sees it owned can rely on the hotkey being in place.
    app::ConversionBus bus(hotkeys);
    QString busError;
    if (!bus.publish(busError)) {
        std::fprintf(stderr, "korrelang: %s\n", qPrintable(busError));
        return 1;
    }

    app::TerminationSignals termination;
    QObject::connect(&termination, &app::TerminationSignals::received, &application,
                     &QCoreApplication::quit);

    analytics.appLaunched(static_cast<int>(settings.selectedKeyboards().size()));
    QTimer::singleShot(500, &hotkeys, [&] {
        if (!hotkeys.accessibilityService().checkAccessibilityPermission()) {
            hotkeys.accessibilityService().requestAccessibilityPermission();
        }
        QTimer::singleShot(1000, &monitor, [&] {
            if (settings.smartCapitalization()) {
                monitor.startMonitor();
            }
        });
    });
    std::printf("✅ Korrelang is running\n");
    std::fflush(stdout);

    const int status = application.exec();
    settings.setCapitalizationMonitor(nullptr);
    settings.setReporter(nullptr);
    settings.setLoginItem(nullptr);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        return runService(argc, argv);
    }
    if (args == std::vector<std::string>{"--convert"}) {
        return app::ConversionBus::requestConversion();
    }
    cli::CommandLine::Desktop desktop;
    desktop.installedKeyboards = [] {
        // Opened only when a command asks: the other commands work without a display.
        const platform::x11::XkbInputSources inputSources;
        return keyboards::KeyboardDetector(inputSources).installedKeyboards();
    };
    desktop.selectedKeyboards = [] {
        const settings::Settings settings;
        std::vector<std::string> selected;
        for (const QString& id : settings.selectedKeyboards()) {
            selected.push_back(id.toStdString());
        }
        return selected;
    };
    return cli::CommandLine::run(args, std::cin, std::cout, std::cerr, desktop);
}
