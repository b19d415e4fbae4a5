// The composition root: the back end is chosen here, once, and everything else receives it by
// reference. Without arguments korrelang runs as the tray application with the conversion
// service (or, when one already runs, opens its dashboard); `--convert` asks the running service
// to convert; anything else is the command line.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "analytics/analytics_service.h"
#include "analytics_conversion_events.h"
#include "app_delegate.h"
#include "cli/command_line.h"
#include "conversion_bus.h"
#include "conversion_request.h"
#include "keyboards/key_code_monitor.h"
#include "keyboards/keyboard_detector.h"
#include "log_writer.h"
#include "message_box_alerts.h"
#include "platform/gnome/gnome_desktop.h"
#include "platform/gnome/shell_extension.h"
#include "platform/linux/autostart_login_item.h"
#include "platform/log.h"
#include "platform/session/desktop_chooser.h"
#include "platform/session/session_detector.h"
#include "platform/x11/x_keycode.h"
#include "popup_bus.h"
#include "press_alerts.h"
#include "service/accessibility_service.h"
#include "service/hotkey_service.h"
#include "setting_effects.h"
#include "settings/settings.h"
#include "shortcuts/desktop_shortcuts.h"
#include "shortcuts/global_shortcuts.h"
#include "shortcuts/hot_key_probe.h"
#include "shortcuts/recorder_control.h"
#include "shortcuts/recorder_strings.h"
#include "spelling_loader.h"
#include "termination_signals.h"
#include "ui/desktop_limits.h"
#include "ui/first_launch_view_model.h"
#include "ui/screen_services.h"
#include "ui/screen_windows.h"
#include "ui/translations.h"
#include "update_alerts.h"
#include "updates/update_checker.h"

namespace {

using namespace korrelang;

constexpr int kSpellingLoadDelay = 2000;  // milliseconds

QStringList toQt(const std::vector<keyboards::KeyboardLayout>& layouts) {
    QStringList ids;
    for (const auto& layout : layouts) {
        ids.append(QString::fromStdString(layout.id));
    }
    return ids;
}

int runService(int argc, char** argv) {
    if (app::PopupBus::isRunning()) {
        return app::PopupBus::requestShow();
    }
    // The back end is chosen before Qt starts: it decides Qt's platform plugin.
    const auto detection = platform::session::SessionDetector::detect();
    const auto served = platform::session::DesktopChooser::served(detection.kind);
    if (served == platform::session::SessionKind::none) {
        std::fprintf(stderr, "korrelang: no X display and no Wayland compositor to serve\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", platform::session::DesktopChooser::qtPlatform(served));
    // The screens are small and static: the software renderer starts faster and keeps no GPU
    // context in memory.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication application(argc, argv);
    application.setApplicationName("Korrelang");
    QGuiApplication::setDesktopFileName(QStringLiteral("korrelang"));
    application.setQuitOnLastWindowClosed(false);

    settings::Settings settings;
    app::LogWriter log(settings.showDebugAlerts());
    QObject::connect(&settings, &settings::Settings::showDebugAlertsChanged, &settings,
                     [&] { log.setShowUserText(settings.showDebugAlerts()); });
    // Before any window or alert exists; a new choice in the preferences applies at once.
    ui::Translations translations;
    translations.apply(settings.language());
    QObject::connect(&settings, &settings::Settings::languageChanged, &translations,
                     [&] { translations.apply(settings.language()); });
    platform::linux_desktop::AutostartLoginItem loginItem;
    analytics::AnalyticsService analytics(settings.analyticsEnabled());

    platform::logLine(detection.description);
    if (const auto note = platform::session::DesktopChooser::fallbackNote(detection.kind, served);
        !note.empty()) {
        platform::logLine(note);
    }
    const std::unique_ptr<platform::Desktop> desktop =
        platform::session::DesktopChooser::create(served);
    if (!desktop || !desktop->isConnected()) {
        std::fprintf(stderr, "korrelang: cannot connect to the desktop (%s)\n",
                     std::string(platform::session::kindName(served)).c_str());
        return 1;
    }
    platform::logLine("Desktop back end: " + std::string(platform::session::kindName(served)));
    const platform::Platform platform = desktop->bundle();

    // Until the onboarding exists, a user without a selection converts between the layouts
    // the desktop has (never a fallback list).
    if (settings.selectedKeyboards().isEmpty()) {
        const auto detected =
            keyboards::KeyboardDetector(platform.inputSources).installedKeyboards();
        if (!detected.isFallback) {
            settings.setSelectedKeyboards(toQt(detected.keyboards));
        }
    }

    service::AccessibilityService accessibility(platform.accessibility, platform.inputSources,
                                                platform.workspace);
    app::AnalyticsConversionEvents events(analytics);
    app::MessageBoxAlerts alerts;
    app::PressAlerts pressAlerts(alerts, accessibility);
    service::SystemClock clock;
    // Before the service, which uses it until the service's worker has stopped.
    app::SpellingLoader spelling(settings);
    service::HotkeyService hotkeys(platform, accessibility, settings, events, pressAlerts, clock);
    hotkeys.setWordScorer(&spelling.dictionaries());

    shortcuts::GlobalShortcuts shortcuts(settings.path(), platform.hotKeys, platform.inputSources);
    const shortcuts::Name toggleConversion = shortcuts::Name::toggleConversion();
    shortcuts.addName(toggleConversion);
    shortcuts.addKeyUpHandler(toggleConversion, [&hotkeys] { hotkeys.hotkeyEntry(); });

    keyboards::KeyCodeMonitor monitor(platform.keyInterceptor, platform.workspace, settings);
    // Without a key hook (Wayland) the monitor is never started: its switch shows why.
    const bool keyInterception = desktop->keyInterception();
    // After every part it connects, so that it is destroyed (and disconnected) before them.
    app::SettingEffects settingEffects(settings, loginItem, keyInterception ? &monitor : nullptr,
                                       analytics);

    updates::UpdateChecker updateChecker(settings.path(), updates::UpdateChecker::defaultFeed(),
                                         QStringLiteral(KORRELANG_APP_VERSION));
    app::UpdateAlerts updateAlerts(updateChecker, platform.workspace);
    shortcuts::RecorderControl recorder(
        shortcuts, &platform.hotKeys, toggleConversion,
        shortcuts::RecorderControl::Host{
            [&] { platform.workspace.beep(); },
            [&](const shortcuts::Shortcut& shortcut) {
                return shortcuts::HotKeyProbe::isTaken(platform.hotKeys, shortcut) ||
                       shortcuts::DesktopShortcuts::contains(shortcut);
            },
            [](const QString& message, const QString& informative) {
                QMessageBox box(QMessageBox::Warning, QStringLiteral("Korrelang"), message);
                box.setInformativeText(informative);
                QPushButton* ok =
                    box.addButton(shortcuts::RecorderStrings::text("ok"), QMessageBox::AcceptRole);
                QPushButton* force =
                    box.addButton(shortcuts::RecorderStrings::text("force_use_shortcut"),
                                  QMessageBox::DestructiveRole);
                box.setDefaultButton(ok);
                box.exec();
                return box.clickedButton() == force;
            },
            [](std::uint32_t scanCode) -> std::optional<std::uint16_t> {
                return platform::x11::fromXKeycode(scanCode);
            }});
    // On GNOME the shell extension gives what the shell alone can; the screens explain it.
    ui::DesktopLimits limits;
    if (auto* gnome = dynamic_cast<platform::gnome::GnomeDesktop*>(desktop.get())) {
        // Turned off, Korrelang gives the key back to the applications.
        gnome->setConversionEnabled(settings.isEnabled());
        QObject::connect(&settings, &settings::Settings::isEnabledChanged, &settings,
                         [gnome, &settings] { gnome->setConversionEnabled(settings.isEnabled()); });
        const auto& extension = gnome->extension();
        limits.extensionMissing = [&extension] { return !extension.isAvailable(); };
        limits.enableExtension = [&extension] { return extension.enable(); };
        limits.noTray = !QSystemTrayIcon::isSystemTrayAvailable();
        if (limits.needsExtension()) {
            platform::logLine(
                "⚠️ The Korrelang GNOME Shell extension is off: no layout switching after "
                "converting, no paste path, no blacklist");
        }
    }
    const ui::ScreenServices screens{
        settings,  platform.inputSources, platform.workspace, accessibility, analytics, &shortcuts,
        &recorder, &updateChecker,        keyInterception,    &limits};

    app::AppDelegate delegate(app::AppServices{
        settings,
        accessibility,
        platform.inputSources,
        analytics,
        // The hotkey's handler is registered above, before the bus name is taken.
        {},
        [&] {
            const auto shortcut = shortcuts.shortcutFor(toggleConversion);
            return shortcut ? QString::fromStdString(shortcuts.description(*shortcut)) : QString();
        },
        [&] {
            if (keyInterception) {
                monitor.startMonitor();
            }
        },
        [&screens](QQmlEngine& engine, QQuickWindow& window, app::SettingsTab tab) {
            ui::ScreenWindows::fillSettingsWindow(engine, window, screens, static_cast<int>(tab));
        },
        [&screens](QQmlEngine& engine, QQuickWindow& window) -> std::function<bool()> {
            ui::FirstLaunchViewModel* onboarding =
                ui::ScreenWindows::fillFirstLaunchWindow(engine, window, screens);
            if (!onboarding) {
                return {};
            }
            return [onboarding] { return onboarding->windowClosed(); };
        },
        // Started from the applications overview (not by the session's autostart, which sets
        // DESKTOP_AUTOSTART_ID) with no tray icon to click.
        limits.noTray&& qEnvironmentVariableIsEmpty("DESKTOP_AUTOSTART_ID"),
        [&settingEffects] { settingEffects.updateLoginItem(); }});
    QObject::connect(&shortcuts, &shortcuts::GlobalShortcuts::shortcutByNameDidChange, &delegate,
                     &app::AppDelegate::refreshShortcutText);
    QObject::connect(&hotkeys, &service::HotkeyService::conversionSucceeded, &delegate,
                     &app::AppDelegate::showConversionSuccess);

    // The bus name last: whoever sees it owned can rely on the hotkey and the popup being there.
    app::PopupBus popupBus([&delegate] { delegate.openPopover(); });
    popupBus.publish();
    app::ConversionBus bus(hotkeys);
    QString busError;
    if (!bus.publish(busError)) {
        if (app::PopupBus::isRunning()) {
            // Another instance won the race for the name.
            return app::PopupBus::requestShow();
        }
        std::fprintf(stderr, "korrelang: %s\n", qPrintable(busError));
        return 1;
    }

    app::TerminationSignals termination;
    QObject::connect(&termination, &app::TerminationSignals::received, &application,
                     &QCoreApplication::quit);

    updateChecker.start();
    delegate.applicationDidFinishLaunching();
    std::printf("✅ Korrelang is running\n");
    std::fflush(stdout);
    // The dictionaries wait until start-up is over; presses until then use the rules alone.
    QTimer::singleShot(kSpellingLoadDelay, &spelling, [&spelling] { spelling.start(); });

    return application.exec();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        return runService(argc, argv);
    }
    if (args == std::vector<std::string>{"--convert"}) {
        return app::ConversionRequest::send();
    }
    cli::CommandLine::Desktop desktop;
    // Looked up only when a command asks: the other commands work without a desktop.
    const auto served = [] {
        static const auto kind = platform::session::DesktopChooser::served(
            platform::session::SessionDetector::detect().kind);
        return kind;
    };
    desktop.installedKeyboards = [served] {
        const auto inputSources = platform::session::DesktopChooser::inputSources(served());
        if (!inputSources) {
            return keyboards::DetectedKeyboards{keyboards::KeyboardDetector::fallbackKeyboards(),
                                                true};
        }
        return keyboards::KeyboardDetector(*inputSources).installedKeyboards();
    };
    desktop.backEnd = [served] { return std::string(platform::session::kindName(served())); };
    desktop.selectedKeyboards = [] { return settings::Settings().selectedKeyboardIDs(); };
    return cli::CommandLine::run(args, std::cin, std::cout, std::cerr, desktop);
}
