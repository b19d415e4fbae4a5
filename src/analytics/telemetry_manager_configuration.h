#pragma once

#include <QMap>
#include <QString>
#include <QUrl>
#include <QUuid>
#include <chrono>
#include <functional>
#include <optional>

namespace korrelang::analytics {

using SignalParameters = QMap<QString, QString>;

/// How the telemetry client is set up; made once by the analytics service.
struct TelemetryManagerConfiguration {
    enum class LogLevel { Info, Error };

    QString telemetryAppID;
    /// The ingest host; empty means this build sends nothing.
    QUrl apiBaseURL;
    std::optional<QString> namespaceName;
    QString salt;
    /// The user identifier to hash; when unset, a random one kept in the preferences file.
    std::optional<QString> defaultUser;
    bool sendNewSessionBeganSignal = true;
    QUuid sessionID = QUuid::createUuid();
    /// Receives the client's log lines; unset means the process log.
    std::function<void(LogLevel, const QString&)> logHandler;

    /// Where the identifier under "defaultUserIdentifier" lives (the settings file).
    QString preferencesPath;
    /// The pending signals and session history; by default in $XDG_CACHE_HOME/Korrelang.
    QString cacheFilePath;
    QString sessionFilePath;
    std::chrono::milliseconds sendInterval{10'000};
    std::chrono::milliseconds requestTimeout{60'000};

    static QString defaultCacheDirectory();

    /// Passes a line of the client's log to `logHandler`, else to the process log.
    void log(LogLevel level, const QString& text) const;
};

}  // namespace korrelang::analytics
