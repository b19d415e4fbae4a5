#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace korrelang::analytics {

/// Usage sessions, for the retention figures sent with each signal. The history is read when
/// the client starts; the figures describe the sessions before this one and do not change
/// while it runs, so building a signal never waits for the session file.
class SessionManager {
public:
    struct StoredSession {
        QDateTime startedAt;
        int durationInSeconds = 0;
    };

    /// Reads the history at `path` (an unreadable file is a fresh history) and opens a new
    /// session starting `now`.
    SessionManager(QString path, QDateTime now = QDateTime::currentDateTimeUtc());

    /// Stretches the current session to `now` and writes the history; false on failure.
    bool persist(const QDateTime& now = QDateTime::currentDateTimeUtc());
    void removeFile() const;

    int distinctDaysUsed() const { return static_cast<int>(m_distinctDays.size()); }
    int totalSessionsCount() const { return m_totalSessionsCount; }
    QDateTime firstSessionDate() const { return m_firstSessionDate; }
    /// Over the sessions before this one; 0 without any.
    int averageSessionSeconds() const { return m_averageSessionSeconds; }
    int previousSessionSeconds() const { return m_previousSessionSeconds; }

    static constexpr int kMaximumRecentSessions = 100;

private:
    QString m_path;
    QList<StoredSession> m_recentSessions;  // the current session last
    QStringList m_distinctDays;
    QDateTime m_firstSessionDate;
    int m_totalSessionsCount = 0;
    int m_deletedSessionsCount = 0;
    int m_averageSessionSeconds = 0;
    int m_previousSessionSeconds = 0;
};

}  // namespace korrelang::analytics
