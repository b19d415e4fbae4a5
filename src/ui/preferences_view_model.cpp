#include "preferences_view_model.h"

#include <QGuiApplication>
#include <algorithm>
#include <iterator>

#include "analytics/analytics_service.h"
#include "desktop_limits.h"
#include "keyboards/keyboard_detector.h"
#include "platform/workspace.h"
#include "relative_time.h"
#include "service/accessibility_service.h"
#include "settings/settings.h"
#include "shortcuts/global_shortcuts.h"
#include "shortcuts/recorder_control.h"
#include "translations.h"
#include "updates/update_checker.h"

namespace korrelang::ui {

namespace {

// Applications never offered for the blacklist: Korrelang itself and assistants that read the
// screen for the user.
bool isNeverBlacklisted(const QString& id) {
    return id.contains(QLatin1String("Korrelang")) || id.contains(QLatin1String("Claude")) ||
           id == QGuiApplication::desktopFileName();
}

}  // namespace

PreferencesViewModel::PreferencesViewModel(ScreenServices services, QObject* parent)
    : QObject(parent), m_services(services) {
    m_pollTimer.setInterval(kFrontmostPollMilliseconds);
    connect(&m_pollTimer, &QTimer::timeout, this, &PreferencesViewModel::refreshFrontmost);
    connect(&m_services.settings, &settings::Settings::blacklistedAppsChanged, this,
            &PreferencesViewModel::loadBlacklist);
    if (m_services.shortcuts) {
        connect(m_services.shortcuts, &shortcuts::GlobalShortcuts::shortcutByNameDidChange, this,
                &PreferencesViewModel::refreshHotkey);
    }
    if (m_services.updates) {
        connect(m_services.updates, &updates::UpdateChecker::automaticallyChecksForUpdatesChanged,
                this, &PreferencesViewModel::updatesChanged);
        connect(m_services.updates, &updates::UpdateChecker::lastUpdateCheckDateChanged, this,
                &PreferencesViewModel::updatesChanged);
    }
    // The update caption is worded here.
    Translations::whenChanged(this, [this] { emit updatesChanged(); });
    loadBlacklist();
    refreshHotkey();
}

settings::Settings* PreferencesViewModel::settingsObject() const {
    return &m_services.settings;
}

shortcuts::RecorderControl* PreferencesViewModel::recorderObject() const {
    return m_services.recorder;
}

void PreferencesViewModel::setShown(bool shown) {
    if (!shown) {
        m_pollTimer.stop();
        return;
    }
    loadKeyboards();
    loadBlacklist();
    refreshFrontmost();
    refreshHotkey();
    m_pollTimer.start();
}

void PreferencesViewModel::loadKeyboards() {
    const keyboards::DetectedKeyboards detected =
        keyboards::KeyboardDetector(m_services.inputSources).installedKeyboards();
    QList<KeyboardListModel::Keyboard> rows;
    m_detectedIDs.clear();
    for (const keyboards::KeyboardLayout& layout : detected.keyboards) {
        const QString id = QString::fromStdString(layout.id);
        m_detectedIDs.append(id);
        rows.append({id, QString::fromStdString(layout.localizedName)});
    }

    QStringList stored = m_services.settings.selectedKeyboards();
    if (!detected.isFallback) {
        QStringList installed;
        std::copy_if(stored.begin(), stored.end(), std::back_inserter(installed),
                     [this](const QString& id) { return m_detectedIDs.contains(id); });
        if (installed.size() != stored.size()) {
            m_services.settings.setSelectedKeyboards(installed);
            stored = installed;
        }
    }
    m_selected = stored;
    m_keyboards.setKeyboards(rows, m_selected);
    emit selectedKeyboardsChanged();
}

void PreferencesViewModel::setKeyboardSelected(const QString& id, bool selected) {
    if (selected == m_selected.contains(id)) {
        return;
    }
    if (selected) {
        m_selected.append(id);
    } else {
        m_selected.removeAll(id);
    }
    storeSelection();
    m_keyboards.setSelection(m_selected);
    emit selectedKeyboardsChanged();
}

void PreferencesViewModel::storeSelection() {
    // The detector's order first; identifiers it does not list (only kept while it answers with
    // its fallback) stay behind them in their stored order.
    QStringList ordered;
    std::copy_if(m_detectedIDs.begin(), m_detectedIDs.end(), std::back_inserter(ordered),
                 [this](const QString& id) { return m_selected.contains(id); });
    std::copy_if(m_selected.begin(), m_selected.end(), std::back_inserter(ordered),
                 [this](const QString& id) { return !m_detectedIDs.contains(id); });
    m_selected = ordered;
    m_services.settings.setSelectedKeyboards(ordered);
}

void PreferencesViewModel::refreshFrontmost() {
    QString name;
    QString id;
    if (const auto application = m_services.workspace.frontmostApplication()) {
        const QString candidate = QString::fromStdString(application->id);
        if (!candidate.isEmpty() && !isNeverBlacklisted(candidate)) {
            id = candidate;
            name = QString::fromStdString(application->name);
        }
    }
    const bool needsExtension =
        m_services.desktopLimits && m_services.desktopLimits->needsExtension();
    if (name != m_currentAppName || id != m_pendingBlacklistID ||
        needsExtension != m_needsShellExtension) {
        m_needsShellExtension = needsExtension;
        m_currentAppName = name;
        m_pendingBlacklistID = id;
        emit frontmostChanged();
    }
    const bool trusted = m_services.accessibility.checkAccessibilityPermission();
    if (trusted != m_hasAccessibility) {
        m_hasAccessibility = trusted;
        emit hasAccessibilityChanged();
    }
    if (m_services.updates) {
        // "Last checked: 5 minutes ago" moves on with time.
        emit updatesChanged();
    }
}

void PreferencesViewModel::loadBlacklist() {
    QList<BlacklistModel::App> apps;
    for (const QString& id : m_services.settings.blacklistedApps()) {
        const auto name = m_services.workspace.applicationName(id.toStdString());
        apps.append({id, name ? QString::fromStdString(*name) : id});
    }
    m_blacklist.setApps(apps);
}

void PreferencesViewModel::addToBlacklist() {
    if (!m_pendingBlacklistID.isEmpty()) {
        QStringList apps = m_services.settings.blacklistedApps();
        if (!apps.contains(m_pendingBlacklistID)) {
            apps.append(m_pendingBlacklistID);
            m_services.settings.setBlacklistedApps(apps);
            m_services.analytics.blacklistChanged(QStringLiteral("added"),
                                                  static_cast<int>(apps.size()));
        }
    }
    // The next tick offers the frontmost application again.
    m_currentAppName.clear();
    m_pendingBlacklistID.clear();
    emit frontmostChanged();
}

void PreferencesViewModel::removeFromBlacklist(const QString& id) {
    QStringList apps = m_services.settings.blacklistedApps();
    apps.removeAll(id);
    m_services.settings.setBlacklistedApps(apps);
    m_services.analytics.blacklistChanged(QStringLiteral("removed"), static_cast<int>(apps.size()));
}

void PreferencesViewModel::requestAccessibility() {
    m_services.accessibility.requestAccessibilityPermission();
}

void PreferencesViewModel::refreshHotkey() {
    const bool has = m_services.shortcuts &&
                     m_services.shortcuts->shortcutFor(shortcuts::Name::toggleConversion());
    if (has != m_hasHotkey) {
        m_hasHotkey = has;
        emit hasHotkeyChanged();
    }
}

void PreferencesViewModel::resetHotkey() {
    if (m_services.shortcuts) {
        m_services.shortcuts->resetToDefaults({shortcuts::Name::toggleConversion()});
    }
    refreshHotkey();
}

bool PreferencesViewModel::automaticUpdates() const {
    return m_services.updates ? m_services.updates->automaticallyChecksForUpdates() : true;
}

void PreferencesViewModel::setAutomaticUpdates(bool value) {
    if (m_services.updates) {
        m_services.updates->setAutomaticallyChecksForUpdates(value);
    }
}

bool PreferencesViewModel::canCheckForUpdates() const {
    return m_services.updates && m_services.updates->isConfigured();
}

QString PreferencesViewModel::updateCaption() const {
    if (!canCheckForUpdates()) {
        return tr("Updates come with your system's package updates");
    }
    const QDateTime last = m_services.updates->lastUpdateCheckDate();
    if (!last.isValid()) {
        return {};
    }
    return tr("Last checked: %1")
        .arg(RelativeTime::describe(last, QDateTime::currentDateTimeUtc()));
}

void PreferencesViewModel::checkForUpdates() {
    if (m_services.updates) {
        m_services.updates->checkForUpdates();
    }
}

}  // namespace korrelang::ui
