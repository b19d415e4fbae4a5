#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>

namespace korrelang::analytics {

class OsRelease;
class SessionManager;

/// Debug builds send nothing unless told to, and say what they are when they do.
#ifdef NDEBUG
inline constexpr bool kIsDebugBuild = false;
#else
inline constexpr bool kIsDebugBuild = true;
#endif

/// The "Telemetry."-namespaced facts sent with every signal: the application, the machine
/// (architecture, distribution and version, time zone, screen), the locale and the retention
/// figures. Nothing that identifies the user or the machine (no host name, no paths).
class DefaultParameters {
public:
    /// Gathers the facts that do not change while the process runs. Call on the main thread:
    /// the screen is asked through the GUI application, when there is one.
    static QMap<QString, QString> collect(const OsRelease& release, const SessionManager& sessions);
    /// The calendar facts of the moment a signal is made.
    static QMap<QString, QString> calendar(const QDateTime& now);

    static constexpr const char* kSdkName = "KorrelangTelemetry";
    static constexpr const char* kSdkVersion = "1.0.0";
};

}  // namespace korrelang::analytics
