#pragma once

#include <QObject>
#include <QQuickWindow>
#include <QString>
#include <functional>
#include <memory>

#include "settings_tab.h"
#include "ui/screen_engine.h"

class QQmlEngine;

namespace korrelang::settings {
class Settings;
}
namespace korrelang::service {
class AccessibilityService;
}
namespace korrelang::platform {
class InputSources;
}
namespace korrelang::analytics {
class AnalyticsService;
}
namespace korrelang::ui {
class MenuPopupViewModel;
}

namespace korrelang::app {

class AppWindow;
class PopupWindow;
class StatusItem;

/// What the shell is given by the composition root. The hooks are the parts other subsystems
/// own: registering the hotkey's handler, the hotkey's display text, starting the Shift+letter
/// interceptor.
struct AppServices {
    settings::Settings& settings;
    service::AccessibilityService& accessibility;
    const platform::InputSources& inputSources;
    analytics::AnalyticsService& analytics;
    std::function<void()> startHotkey;
    std::function<QString()> shortcutText;
    std::function<void()> startCapitalizationMonitor;
    /// The screens of the settings and onboarding windows, built by the program's one engine;
    /// unset leaves the windows empty.
    std::function<void(QQmlEngine&, QQuickWindow&, SettingsTab)> fillSettingsWindow = {};
    /// Fills the onboarding window and returns the question asked when it has closed: did the
    /// user leave without finishing?
    std::function<std::function<bool()>(QQmlEngine&, QQuickWindow&)> fillFirstLaunchWindow = {};
    /// No tray icon to click (a desktop without a tray host): the dashboard opens at launch.
    bool openDashboardAtLaunch = false;
    /// Brings the login item into line with "start at login".
    std::function<void()> updateLoginItem = {};
};

/// The application shell: the launch sequence, the tray icon and its popup, the windows, and the
/// check mark after a conversion. One instance, reachable as AppDelegate::shared() while it lives.
/// Main thread only.
class AppDelegate : public QObject {
    Q_OBJECT

public:
    static constexpr int kAccessibilityCheckDelayMilliseconds = 500;
    static constexpr int kMonitorStartDelayMilliseconds = 1000;
    /// After the launch sequence, the dashboard is built (not shown) once the start-up work is
    /// done, so that the first click on the icon only has to show it.
    static constexpr int kPopupPreloadDelayMilliseconds = 2000;

    explicit AppDelegate(AppServices services, QObject* parent = nullptr);
    ~AppDelegate() override;

    static AppDelegate* shared();

    /// Runs the launch sequence, in order: the tray icon and popup, the hotkey, the terms flag,
    /// the onboarding (modal), the keyboard sync, the login item, the launch analytics, the
    /// delayed permission check and the delayed building of the dashboard.
    void applicationDidFinishLaunching();

    void togglePopover();
    void openPopover();
    void closePopover();
    bool isPopoverOpen() const;

    void showPreferences() { openSettings(SettingsTab::Settings); }
    void showAbout() { openSettings(SettingsTab::About); }

    /// Replaces any settings window with a new one on `tab`.
    void openSettings(SettingsTab tab);
    /// Runs the onboarding window modally: returns when it is closed, false when the user left
    /// without finishing (the goodbye has been said and the application is quitting).
    bool showFirstLaunchWindow();
    void syncSelectedKeyboards();
    void checkAccessibility();
    void showConversionSuccess();

    /// Reads the hotkey's display text again (after the user changed the shortcut).
    void refreshShortcutText();

    /// The engine behind every window: the one to retranslate when the language changes.
    ui::ScreenEngine& screenEngine() { return m_screenEngine; }
    ui::MenuPopupViewModel& viewModel() { return *m_viewModel; }
    PopupWindow* popup() const { return m_popup.get(); }
    AppWindow* settingsWindow() const { return m_settingsWindow.get(); }
    SettingsTab settingsTab() const { return m_settingsTab; }

private:
    void buildPopover();
    static QString settingsTitle();
    static QString firstLaunchTitle();
    static void applyDarkAppearance();

    AppServices m_services;
    // Before the windows, so that it goes after them: their screens live in it.
    ui::ScreenEngine m_screenEngine;
    std::unique_ptr<ui::MenuPopupViewModel> m_viewModel;
    std::unique_ptr<StatusItem> m_statusItem;
    std::unique_ptr<PopupWindow> m_popup;
    std::unique_ptr<AppWindow> m_settingsWindow;
    std::unique_ptr<AppWindow> m_firstLaunchWindow;
    SettingsTab m_settingsTab = SettingsTab::Settings;
};

}  // namespace korrelang::app
