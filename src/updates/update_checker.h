#pragma once

#include <QDateTime>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QSettings>
#include <QString>
#include <QTimer>
#include <QUrl>

namespace korrelang::updates {

/// Asks a version feed whether a newer release exists. The feed is a JSON object with "version"
/// (dotted numbers) and "url" (the download page). Whether to check on its own and when it last
/// checked are kept in the settings file; an empty feed address turns checking off entirely.
///
/// Automatic checks run once a day while the switch is on, and right away when the last check is
/// more than a day old. Main thread only.
class UpdateChecker : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool automaticallyChecksForUpdates READ automaticallyChecksForUpdates WRITE
                   setAutomaticallyChecksForUpdates NOTIFY automaticallyChecksForUpdatesChanged)
    Q_PROPERTY(bool isConfigured READ isConfigured CONSTANT)

public:
    static constexpr int kIntervalSeconds = 24 * 60 * 60;
    static constexpr int kTimeoutMilliseconds = 30000;

    /// `storePath` is the settings file (INI); `currentVersion` the running version ("1.6.0").
    UpdateChecker(const QString& storePath, QUrl feed, QString currentVersion,
                  QObject* parent = nullptr);
    ~UpdateChecker() override;

    /// The build's feed address (empty when the build has none).
    static QUrl defaultFeed();

    bool isConfigured() const { return m_feed.isValid() && !m_feed.isEmpty(); }
    bool automaticallyChecksForUpdates() const;
    void setAutomaticallyChecksForUpdates(bool value);
    /// Absent until the first completed check.
    QDateTime lastUpdateCheckDate() const;
    bool isChecking() const { return m_reply != nullptr; }

    /// Starts the daily schedule (a check now if the last one is a day old).
    void start();
    /// Checks now, on the user's request; a check already running is not doubled.
    void checkForUpdates();

    /// True when `candidate` is a higher dotted version than `current`; junk is never newer.
    static bool isNewer(const QString& candidate, const QString& current);
    /// Whether a feed's address may be opened: an https address with a host.
    static bool isDownloadAddress(const QUrl& address);

signals:
    void automaticallyChecksForUpdatesChanged();
    void lastUpdateCheckDateChanged();
    /// A newer version was found. `userInitiated` tells a press of "Check Now" from the schedule.
    void updateAvailable(const QString& version, const QUrl& downloadPage, bool userInitiated);
    void upToDate(bool userInitiated);
    /// The feed could not be read; `reason` is for the log and the dialog.
    void checkFailed(const QString& reason, bool userInitiated);

private:
    void check(bool userInitiated);
    void finished(QNetworkReply* reply, bool userInitiated);
    void scheduleNext();

    QSettings m_store;
    QUrl m_feed;
    QString m_currentVersion;
    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    QTimer m_timer;
};

}  // namespace korrelang::updates
