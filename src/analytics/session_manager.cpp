#include "session_manager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace korrelang::analytics {

namespace {
// Distinct days are remembered for a bit more than a year of daily use.
constexpr int kMaximumDistinctDays = 400;
}  // namespace

SessionManager::SessionManager(QString path, QDateTime now) : m_path(std::move(path)) {
    QFile file(m_path);
    if (file.open(QIODevice::ReadOnly)) {
        const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        for (const QJsonValue& value : root.value(QStringLiteral("recentSessions")).toArray()) {
            const QJsonObject session = value.toObject();
            const QDateTime startedAt = QDateTime::fromString(
                session.value(QStringLiteral("startedAt")).toString(), Qt::ISODate);
            if (startedAt.isValid()) {
                m_recentSessions.append(
                    {startedAt, session.value(QStringLiteral("durationInSeconds")).toInt()});
            }
        }
        for (const QJsonValue& day : root.value(QStringLiteral("distinctDays")).toArray()) {
            m_distinctDays.append(day.toString());
        }
        m_firstSessionDate = QDateTime::fromString(
            root.value(QStringLiteral("firstSessionDate")).toString(), Qt::ISODate);
        m_totalSessionsCount = root.value(QStringLiteral("totalSessionsCount")).toInt();
        m_deletedSessionsCount = root.value(QStringLiteral("deletedSessionsCount")).toInt();
    }

    if (!m_recentSessions.isEmpty()) {
        qint64 total = 0;
        for (const StoredSession& session : std::as_const(m_recentSessions)) {
            total += session.durationInSeconds;
        }
        m_averageSessionSeconds = static_cast<int>(total / m_recentSessions.size());
        m_previousSessionSeconds = m_recentSessions.last().durationInSeconds;
    }

    const QString today = now.toLocalTime().date().toString(Qt::ISODate);
    if (!m_distinctDays.contains(today)) {
        m_distinctDays.append(today);
        while (m_distinctDays.size() > kMaximumDistinctDays) {
            m_distinctDays.removeFirst();
        }
    }
    if (!m_firstSessionDate.isValid()) {
        m_firstSessionDate = now;
    }
    ++m_totalSessionsCount;
    m_recentSessions.append({now, 0});
    while (m_recentSessions.size() > kMaximumRecentSessions) {
        m_recentSessions.removeFirst();
        ++m_deletedSessionsCount;
    }
}

bool SessionManager::persist(const QDateTime& now) {
    StoredSession& current = m_recentSessions.last();
    current.durationInSeconds = static_cast<int>(qMax<qint64>(0, current.startedAt.secsTo(now)));

    QJsonArray sessions;
    for (const StoredSession& session : std::as_const(m_recentSessions)) {
        sessions.append(QJsonObject{
            {QStringLiteral("startedAt"), session.startedAt.toUTC().toString(Qt::ISODate)},
            {QStringLiteral("durationInSeconds"), session.durationInSeconds}});
    }
    const QJsonObject root{
        {QStringLiteral("recentSessions"), sessions},
        {QStringLiteral("distinctDays"), QJsonArray::fromStringList(m_distinctDays)},
        {QStringLiteral("firstSessionDate"), m_firstSessionDate.toUTC().toString(Qt::ISODate)},
        {QStringLiteral("totalSessionsCount"), m_totalSessionsCount},
        {QStringLiteral("deletedSessionsCount"), m_deletedSessionsCount},
    };
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        return false;
    }
    file.write(QJsonDocument(root).toJson(QJsonDocument::Compact));
    return file.commit();
}

void SessionManager::removeFile() const {
    QFile::remove(m_path);
}

}  // namespace korrelang::analytics
