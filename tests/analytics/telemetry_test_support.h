#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMutex>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <ostream>

#include "analytics/telemetry_manager_configuration.h"

// Readable failure messages for Qt strings and lists.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '[' << list.join(QStringLiteral(", ")).toStdString() << ']';
}

namespace korrelang::analytics {

/// Runs the event loop until `done` holds; the limit only ends a test that would hang.
inline bool waitUntil(const std::function<bool()>& done) {
    const QDeadlineTimer limit(20'000);
    while (!done()) {
        if (limit.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

/// A private XDG home per test, so that the settings and cache files start absent.
class PrivateHome {
public:
    PrivateHome() {
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_CACHE_HOME", m_dir.filePath(QStringLiteral("cache")).toUtf8());
    }
    QString cacheFile() const {
        return m_dir.filePath(QStringLiteral("cache/Korrelang/telemetrysignalcache"));
    }
    QString preferencesFile() const {
        return m_dir.filePath(QStringLiteral("config/Korrelang/Korrelang.conf"));
    }

private:
    QTemporaryDir m_dir;
};

/// Collects the client's log lines; safe from the client's thread.
class LogLines {
public:
    std::function<void(TelemetryManagerConfiguration::LogLevel, const QString&)> handler() {
        return [this](TelemetryManagerConfiguration::LogLevel, const QString& line) {
            const QMutexLocker lock(&m_mutex);
            m_lines.append(line);
        };
    }
    QStringList lines() const {
        const QMutexLocker lock(&m_mutex);
        return m_lines;
    }
    bool contains(const QString& part) const { return !lines().filter(part).isEmpty(); }

private:
    mutable QMutex m_mutex;
    QStringList m_lines;
};

/// A test configuration: quick ticks, no session signal, signals sent to `url`.
inline TelemetryManagerConfiguration testConfiguration(const QString& url) {
    TelemetryManagerConfiguration configuration;
    configuration.telemetryAppID = QStringLiteral("TEST-APP");
    configuration.apiBaseURL = QUrl(url);
    configuration.sendNewSessionBeganSignal = false;
    configuration.sendInterval = std::chrono::milliseconds(20);
    return configuration;
}

/// An address where nothing listens.
inline QString refusingURL() {
    return QStringLiteral("http://127.0.0.1:9");
}

}  // namespace korrelang::analytics
