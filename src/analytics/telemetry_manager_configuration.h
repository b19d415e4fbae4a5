#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QUuid>
#include <chrono>
#include <functional>
#include <optional>

namespace korrelang::analytics {

using SignalParameters = QMap<QString, QString>;

/// How the telemetry client is set up; made once by the analytics service.
struct TelemetryManagerConfiguration {
    enum class LogLevel { Debug, Info, Error };

    QString telemetryAppID;
    /// The ingest host; empty means this build sends nothing.
    QUrl apiBaseURL;
    std::optional<QString> namespaceName;
    QString salt;
    /// The user identifier to hash; when unset, a random one kept in the preferences file.
    std::optional<QString> defaultUser;
    std::optional<QString> defaultSignalPrefix;
    std::optional<QString> defaultParameterPrefix;
    /// Extra parameters added to every signal; called on the sending thread.
    std::function<SignalParameters()> defaultParameters;
    bool sendNewSessionBeganSignal = true;
    QUuid sessionID = QUuid::createUuid();
    /// Marks signals as test signals; unset means "in a debug build", unless debug builds
    /// are to send real signals.
    std::optional<bool> testMode;
    bool sendSignalsInDebugConfiguration = false;
    /// When true, nothing is queued or sent.
    std::optional<bool> previewMode;
    bool analyticsDisabled = false;
    bool reservedParameterWarningsEnabled = true;
    bool sessionStatsEnabled = true;
    bool showDebugLogs = false;
    /// Receives the client's log lines; unset means the process log.
    std::function<void(LogLevel, const QString&)> logHandler;
    /// Called on the sending thread; their parameters are merged into every payload.
    QList<std::function<SignalParameters()>> metadataEnrichers;

    /// Where the identifier under "defaultUserIdentifier" lives (the settings file).
    QString preferencesPath;
    /// The pending signals and session history; by default in $XDG_CACHE_HOME/Korrelang.
    QString cacheFilePath;
    QString sessionFilePath;
    std::chrono::milliseconds sendInterval{10'000};
    std::chrono::milliseconds requestTimeout{60'000};
    int maximumNumberOfSignalsToPopAtOnce = 100;
    /// Past this many pending signals the oldest are dropped.
    int maximumCachedSignals = 1000;

    static QString defaultCacheDirectory();

    /// Passes a line of the client's log to `logHandler`, else to the process log; debug lines
    /// only while `showDebugLogs` is on.
    void log(LogLevel level, const QString& text) const;
};

}  // namespace korrelang::analytics
