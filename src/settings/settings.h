#pragma once

#include <QObject>
#include <QSettings>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "conversion_statistics.h"
#include "statistics_period.h"

namespace korrelang::settings {

/// The user's choices: loaded once from the settings file, published to observers (QML binds
/// to the properties) and written back on every assignment. Only stores and notifies: what a
/// choice sets off (the login item, the key interceptor, analytics) is connected to its signals
/// by the composition root, which owns the one instance and lends it out by reference.
///
/// An absent key gives the default; a value of the wrong type gives the default too, so a
/// damaged file never stops the application. A stored false is kept apart from an absent key.
class Settings : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool hasCompletedFirstLaunch READ hasCompletedFirstLaunch WRITE
                   setHasCompletedFirstLaunch NOTIFY hasCompletedFirstLaunchChanged)
    Q_PROPERTY(QStringList selectedKeyboards READ selectedKeyboards WRITE setSelectedKeyboards
                   NOTIFY selectedKeyboardsChanged)
    Q_PROPERTY(bool isEnabled READ isEnabled WRITE setIsEnabled NOTIFY isEnabledChanged)
    Q_PROPERTY(bool startAtLogin READ startAtLogin WRITE setStartAtLogin NOTIFY startAtLoginChanged)
    Q_PROPERTY(bool showDebugAlerts READ showDebugAlerts WRITE setShowDebugAlerts NOTIFY
                   showDebugAlertsChanged)
    Q_PROPERTY(bool autoSwitchKeyboard READ autoSwitchKeyboard WRITE setAutoSwitchKeyboard NOTIFY
                   autoSwitchKeyboardChanged)
    Q_PROPERTY(bool pickLayoutBySpelling READ pickLayoutBySpelling WRITE setPickLayoutBySpelling
                   NOTIFY pickLayoutBySpellingChanged)
    Q_PROPERTY(QStringList blacklistedApps READ blacklistedApps WRITE setBlacklistedApps NOTIFY
                   blacklistedAppsChanged)
    Q_PROPERTY(bool smartCapitalization READ smartCapitalization WRITE setSmartCapitalization NOTIFY
                   smartCapitalizationChanged)
    Q_PROPERTY(bool keepSelectionAfterConversion READ keepSelectionAfterConversion WRITE
                   setKeepSelectionAfterConversion NOTIFY keepSelectionAfterConversionChanged)
    Q_PROPERTY(bool hasAcceptedTerms READ hasAcceptedTerms WRITE setHasAcceptedTerms NOTIFY
                   hasAcceptedTermsChanged)
    Q_PROPERTY(QString statisticsPeriod READ statisticsPeriodRawValue WRITE
                   setStatisticsPeriodRawValue NOTIFY statisticsPeriodChanged)
    Q_PROPERTY(bool analyticsEnabled READ analyticsEnabled WRITE setAnalyticsEnabled NOTIFY
                   analyticsEnabledChanged)
    Q_PROPERTY(QStringList knownKeyboards READ knownKeyboards WRITE setKnownKeyboards NOTIFY
                   knownKeyboardsChanged)
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY languageChanged)

public:
    /// Loads every setting from `path` (by default the user's settings file). Loading writes
    /// nothing and has no side effects.
    explicit Settings(const QString& path = defaultPath(), QObject* parent = nullptr);

    /// $XDG_CONFIG_HOME/Korrelang/Korrelang.conf
    static QString defaultPath();
    QString path() const { return m_store.fileName(); }

    bool hasCompletedFirstLaunch() const { return m_hasCompletedFirstLaunch; }
    QStringList selectedKeyboards() const { return m_selectedKeyboards; }
    /// The same identifiers, for the parts that work in standard strings.
    std::vector<std::string> selectedKeyboardIDs() const;
    bool isEnabled() const { return m_isEnabled; }
    bool startAtLogin() const { return m_startAtLogin; }
    bool showDebugAlerts() const { return m_showDebugAlerts; }
    bool autoSwitchKeyboard() const { return m_autoSwitchKeyboard; }
    /// Whether the spelling dictionaries help choose the meant layout (default on).
    bool pickLayoutBySpelling() const { return m_pickLayoutBySpelling; }
    QStringList blacklistedApps() const { return m_blacklistedApps; }
    bool smartCapitalization() const { return m_smartCapitalization; }
    bool keepSelectionAfterConversion() const { return m_keepSelectionAfterConversion; }
    bool hasAcceptedTerms() const { return m_hasAcceptedTerms; }
    StatisticsPeriod statisticsPeriod() const { return m_statisticsPeriod; }
    QString statisticsPeriodRawValue() const { return rawValue(m_statisticsPeriod); }
    bool analyticsEnabled() const { return m_analyticsEnabled; }
    /// The installed keyboards seen at the previous launch; empty until first remembered.
    QStringList knownKeyboards() const { return m_knownKeyboards; }
    /// Whether the installed keyboards were ever remembered (an empty list may be stored).
    bool hasKnownKeyboards() const { return m_hasKnownKeyboards; }
    /// The language of the screens chosen by the user ("ru", "he", …); empty follows the desktop.
    QString language() const { return m_language; }

    void setHasCompletedFirstLaunch(bool value);
    void setSelectedKeyboards(const QStringList& value);
    void setIsEnabled(bool value);
    void setStartAtLogin(bool value);
    void setShowDebugAlerts(bool value);
    void setAutoSwitchKeyboard(bool value);
    void setPickLayoutBySpelling(bool value);
    void setBlacklistedApps(const QStringList& value);
    void setSmartCapitalization(bool value);
    void setKeepSelectionAfterConversion(bool value);
    void setHasAcceptedTerms(bool value);
    void setStatisticsPeriod(StatisticsPeriod value);
    /// A string that is no raw value is refused (and logged); the period stays.
    void setStatisticsPeriodRawValue(const QString& value);
    void setAnalyticsEnabled(bool value);
    void setKnownKeyboards(const QStringList& value);
    void setLanguage(const QString& value);

    /// The conversion log, kept as JSON in statistics.json beside the settings file (a year
    /// of heavy use is megabytes, which the INI file would rewrite on every switch). Read from
    /// the file whenever it changed on disk; an absent or unreadable file reads as an empty log.
    ConversionStatistics statistics() const;
    /// Stores the log atomically. An unreadable log already there is first moved aside to
    /// statisticsUnreadable.json, so that a damaged log is never silently replaced.
    void setStatistics(const ConversionStatistics& statistics);
    QString statisticsPath() const;

signals:
    void hasCompletedFirstLaunchChanged();
    void selectedKeyboardsChanged();
    void isEnabledChanged();
    void startAtLoginChanged();
    void showDebugAlertsChanged();
    void autoSwitchKeyboardChanged();
    void pickLayoutBySpellingChanged();
    void blacklistedAppsChanged();
    void smartCapitalizationChanged();
    void keepSelectionAfterConversionChanged();
    void hasAcceptedTermsChanged();
    void statisticsPeriodChanged();
    void analyticsEnabledChanged();
    void knownKeyboardsChanged();
    void languageChanged();
    /// After every store of the conversion log, so that an open summary refreshes.
    void statisticsChanged();
    /// A switch with a usage event was assigned, also to the value it had: `eventName` is the
    /// event's name ("startAtLogin", "autoSwitchKeyboard", "smartCapitalization",
    /// "steadySelection", "analytics"). After the value is stored and its change signal sent.
    void switchAssigned(const QString& eventName, bool value);

private:
    struct StatisticsFile {
        QDateTime modified;
        qint64 size = -1;
        bool readable = false;
        ConversionStatistics log;
    };

    /// Brings m_statisticsFile into line with the file on disk; false when there is none.
    bool refreshStatistics() const;
    void store(const QString& key, const QVariant& value);
    template <typename T>
    void assign(T& member, const T& value, const char* key, void (Settings::*changed)());

    QSettings m_store;
    mutable std::optional<StatisticsFile> m_statisticsFile;

    bool m_hasCompletedFirstLaunch = false;
    QStringList m_selectedKeyboards;
    bool m_isEnabled = true;
    bool m_startAtLogin = true;
    bool m_showDebugAlerts = false;
    bool m_autoSwitchKeyboard = true;
    bool m_pickLayoutBySpelling = true;
    QStringList m_blacklistedApps;
    bool m_smartCapitalization = true;
    bool m_keepSelectionAfterConversion = true;
    bool m_hasAcceptedTerms = false;
    StatisticsPeriod m_statisticsPeriod = StatisticsPeriod::Week;
    bool m_analyticsEnabled = true;
    QStringList m_knownKeyboards;
    bool m_hasKnownKeyboards = false;
    QString m_language;
};

}  // namespace korrelang::settings
