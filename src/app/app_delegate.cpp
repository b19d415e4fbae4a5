#include "app_delegate.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPalette>
#include <QStyleFactory>
#include <QTimer>

#include "analytics/analytics_service.h"
#include "app_window.h"
#include "keyboard_sync.h"
#include "keyboards/keyboard_detector.h"
#include "platform/log.h"
#include "popup_window.h"
#include "service/accessibility_service.h"
#include "settings/settings.h"
#include "status_item.h"
#include "ui/menu_popup_view_model.h"
#include "ui/translations.h"

namespace korrelang::app {

namespace {

AppDelegate* g_shared = nullptr;

}  // namespace

AppDelegate::AppDelegate(AppServices services, QObject* parent)
    : QObject(parent), m_services(std::move(services)) {
    m_viewModel =
        std::make_unique<ui::MenuPopupViewModel>(m_services.settings, m_services.accessibility);
    connect(m_viewModel.get(), &ui::MenuPopupViewModel::preferencesRequested, this,
            &AppDelegate::showPreferences);
    connect(m_viewModel.get(), &ui::MenuPopupViewModel::quitRequested, QCoreApplication::instance(),
            &QCoreApplication::quit);
    m_statusItem = std::make_unique<StatusItem>();
    connect(m_statusItem.get(), &StatusItem::clicked, this, &AppDelegate::togglePopover);
    // A change of language retitles the open windows.
    ui::Translations::whenChanged(this, [this] {
        if (m_settingsWindow) {
            m_settingsWindow->setTitle(settingsTitle());
        }
        if (m_firstLaunchWindow) {
            m_firstLaunchWindow->setTitle(firstLaunchTitle());
        }
    });
}

QString AppDelegate::settingsTitle() {
    return tr("Korrelang Preferences");
}

QString AppDelegate::firstLaunchTitle() {
    return tr("Welcome to Korrelang");
}

AppDelegate::~AppDelegate() {
    if (g_shared == this) {
        g_shared = nullptr;
    }
}

AppDelegate* AppDelegate::shared() {
    return g_shared;
}

void AppDelegate::applicationDidFinishLaunching() {
    g_shared = this;
    // No taskbar entry: the tray icon and tool windows are all there is; closing a window must
    // not end the application.
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        application->setQuitOnLastWindowClosed(false);
    }
    applyDarkAppearance();
    m_statusItem->show();
    refreshShortcutText();
    if (m_services.startHotkey) {
        m_services.startHotkey();
    }
    platform::logLine("👂 HotkeyService: Started listening for hotkey");

    settings::Settings& settings = m_services.settings;
    if (settings.hasCompletedFirstLaunch() && !settings.hasAcceptedTerms()) {
        settings.setHasAcceptedTerms(true);
    }
    if (!settings.hasCompletedFirstLaunch()) {
        if (m_services.fillFirstLaunchWindow) {
            if (!showFirstLaunchWindow()) {
                return;
            }
        } else {
            platform::logLine("💡 Onboarding: the welcome screen is not built yet; skipped");
        }
    }
    syncSelectedKeyboards();
    if (m_services.updateLoginItem) {
        m_services.updateLoginItem();
    }

    analytics::AnalyticsService& analytics = m_services.analytics;
    analytics.appLaunched(static_cast<int>(settings.selectedKeyboards().size()));
    analytics.featureState(settings.smartCapitalization(), settings.autoSwitchKeyboard(),
                           settings.keepSelectionAfterConversion(), settings.startAtLogin());
    analytics.appSessionStart();

    QTimer::singleShot(kAccessibilityCheckDelayMilliseconds, this,
                       &AppDelegate::checkAccessibility);
    // Making the engine, loading the screen's types and fonts and building its items are most of
    // a first opening; done here, while nothing waits for them, the icon's first click is quick.
    QTimer::singleShot(kPopupPreloadDelayMilliseconds, this, &AppDelegate::buildPopover);
    if (m_services.openDashboardAtLaunch) {
        QTimer::singleShot(0, this, &AppDelegate::openPopover);
    }
}

void AppDelegate::applyDarkAppearance() {
    // Alerts and dialogs are Qt Widgets: give them the same dark look as the Quick screens.
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!application) {
        return;
    }
    application->setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const auto grey = [](float white) { return QColor::fromRgbF(white, white, white); };
    QPalette palette;
    palette.setColor(QPalette::Window, grey(0.10f));
    palette.setColor(QPalette::WindowText, grey(0.88f));
    palette.setColor(QPalette::Base, grey(0.08f));
    palette.setColor(QPalette::AlternateBase, grey(0.13f));
    palette.setColor(QPalette::Text, grey(0.88f));
    palette.setColor(QPalette::Button, grey(0.18f));
    palette.setColor(QPalette::ButtonText, grey(0.88f));
    palette.setColor(QPalette::ToolTipBase, grey(0.13f));
    palette.setColor(QPalette::ToolTipText, grey(0.88f));
    palette.setColor(QPalette::PlaceholderText, grey(0.28f));
    palette.setColor(QPalette::Highlight, QColor::fromRgbF(0.247f, 0.663f, 0.961f));
    palette.setColor(QPalette::HighlightedText, grey(0.08f));
    palette.setColor(QPalette::Disabled, QPalette::Text, grey(0.42f));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, grey(0.42f));
    QApplication::setPalette(palette);
}

void AppDelegate::refreshShortcutText() {
    m_viewModel->setShortcutText(m_services.shortcutText ? m_services.shortcutText() : QString());
}

void AppDelegate::togglePopover() {
    if (isPopoverOpen()) {
        closePopover();
    } else {
        openPopover();
    }
}

void AppDelegate::buildPopover() {
    if (!m_popup) {
        m_popup = std::make_unique<PopupWindow>(m_screenEngine.engine(), *m_viewModel);
    }
}

void AppDelegate::openPopover() {
    buildPopover();
    m_popup->open(m_statusItem->geometry());
}

void AppDelegate::closePopover() {
    if (m_popup) {
        m_popup->close();
    }
}

bool AppDelegate::isPopoverOpen() const {
    return m_popup && m_popup->isOpen();
}

void AppDelegate::openSettings(SettingsTab tab) {
    m_settingsWindow.reset();
    m_settingsTab = tab;
    m_settingsWindow = std::make_unique<AppWindow>(settingsTitle(), AppWindow::kSettingsSize);
    if (m_services.fillSettingsWindow) {
        m_services.fillSettingsWindow(m_screenEngine.engine(), *m_settingsWindow, tab);
    }
    m_settingsWindow->present();
}

bool AppDelegate::showFirstLaunchWindow() {
    m_firstLaunchWindow =
        std::make_unique<AppWindow>(firstLaunchTitle(), AppWindow::kOnboardingSize);
    const std::function<bool()> leftEarly =
        m_services.fillFirstLaunchWindow
            ? m_services.fillFirstLaunchWindow(m_screenEngine.engine(), *m_firstLaunchWindow)
            : std::function<bool()>();
    QEventLoop modal;
    connect(m_firstLaunchWindow.get(), &AppWindow::closed, &modal, &QEventLoop::quit);
    m_firstLaunchWindow->present();
    modal.exec();
    // Asked before the window goes: the screen's state lives with it.
    const bool skipped = leftEarly && leftEarly();
    m_firstLaunchWindow.reset();
    if (!skipped) {
        return true;
    }
    QMessageBox goodbye(QMessageBox::Information, QStringLiteral("Korrelang"), tr("Goodbye"),
                        QMessageBox::NoButton);
    goodbye.addButton(tr("OK"), QMessageBox::AcceptRole);
    goodbye.setInformativeText(
        tr("Sorry for not living up to your needs. We would love to see you back in the future."));
    goodbye.exec();
    // The main loop has not started yet: quit as soon as it does.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
    return false;
}

void AppDelegate::syncSelectedKeyboards() {
    settings::Settings& settings = m_services.settings;
    const keyboards::DetectedKeyboards detected =
        keyboards::KeyboardDetector(m_services.inputSources).installedKeyboards();
    const std::optional<QStringList> known =
        settings.hasKnownKeyboards() ? std::optional(settings.knownKeyboards()) : std::nullopt;
    const KeyboardSync::Outcome outcome =
        KeyboardSync::sync(detected, settings.selectedKeyboards(), known);
    for (const std::string& line : outcome.logLines) {
        platform::logLine(line);
    }
    if (outcome.selectionChanged) {
        settings.setSelectedKeyboards(outcome.selected);
    }
    if (outcome.knownChanged) {
        settings.setKnownKeyboards(outcome.known);
    }
}

void AppDelegate::checkAccessibility() {
    const bool trusted = m_services.accessibility.checkAccessibilityPermission();
    m_services.analytics.accessibilityPermission(trusted);
    if (trusted) {
        platform::logLine("✅ Accessibility confirmed");
    } else {
        platform::logLine("⚠️ Accessibility missing - prompting user");
        m_services.accessibility.requestAccessibilityPermission();
    }
    if (m_services.settings.smartCapitalization() && m_services.startCapitalizationMonitor) {
        QTimer::singleShot(kMonitorStartDelayMilliseconds, this,
                           [this] { m_services.startCapitalizationMonitor(); });
    }
}

void AppDelegate::showConversionSuccess() {
    m_statusItem->showConversionSuccess();
}

}  // namespace korrelang::app
