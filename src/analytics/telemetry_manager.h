#pragma once

#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>
#include <optional>

#include "telemetry_manager_configuration.h"

namespace korrelang::analytics {

class SessionManager;
class SignalCache;
class SignalManager;

/// The telemetry client. Signals are stamped and queued on the caller's thread, which never
/// waits for the disk or the network; a thread of the client's own loads and saves the cache
/// file and posts the batches.
///
/// Nothing is queued while the client is disabled, when the configuration says so, or when
/// the build has no ingest address (logged once).
class TelemetryManager : public QObject {
    Q_OBJECT

public:
    explicit TelemetryManager(TelemetryManagerConfiguration configuration, bool enabled = true,
                              QObject* parent = nullptr);
    /// Saves the cache and stops the client's thread.
    ~TelemetryManager() override;

    void send(const QString& signalName, const SignalParameters& parameters = {},
              std::optional<double> floatValue = std::nullopt,
              const std::optional<QString>& user = std::nullopt);

    /// Off empties the queue and deletes the cache files; on starts queuing again.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    /// Writes the cache file now; called when the application quits.
    void appWillTerminate();

    int pendingCount() const;
    /// The hashed identifier every signal carries unless a user is given.
    QString clientUser() const { return m_clientUser; }
    /// Lower-case hexadecimal SHA-256 of the identifier followed by the salt.
    static QString hashedUser(const QString& identifier, const QString& salt);

signals:
    /// After each batch was answered or failed; `putBack` when it went back to the queue.
    void batchFinished(int count, bool putBack);

private:
    void enqueue(const QString& type, SignalParameters parameters, std::optional<double> floatValue,
                 const std::optional<QString>& user);
    QString makeClientUser() const;
    QString storedUserIdentifier() const;

    TelemetryManagerConfiguration m_configuration;
    std::atomic<bool> m_enabled;
    QString m_clientUser;
    SignalParameters m_defaultParameters;
    std::shared_ptr<SignalCache> m_cache;
    std::shared_ptr<SessionManager> m_sessions;
    QThread m_thread;
    SignalManager* m_worker = nullptr;
};

}  // namespace korrelang::analytics
