#pragma once

#include <QList>
#include <QObject>
#include <QUrl>
#include <atomic>
#include <memory>
#include <optional>

#include "signal_post_body.h"
#include "telemetry_manager_configuration.h"

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace korrelang::analytics {

class SessionManager;
class SignalCache;

/// The sending side of the client; lives on the client's own thread. Every few seconds it
/// takes a batch from the front of the cache and posts it; a batch that failed for a reason
/// that may pass (no connection, time-out, 5xx, 429) goes back to the front, any other
/// refusal drops it so that it cannot block the queue. The cache file is written after each
/// result, on every tick that changed something, and when the client stops.
class SignalManager : public QObject {
    Q_OBJECT

public:
    SignalManager(TelemetryManagerConfiguration configuration, std::shared_ptr<SignalCache> cache,
                  std::shared_ptr<SessionManager> sessions, const std::atomic<bool>& enabled);
    ~SignalManager() override;

    /// Where a batch goes: the base address + "/v2/", or "/v2/namespace/<name>/".
    static std::optional<QUrl> signalURL(const TelemetryManagerConfiguration& configuration);

    // Called on the client's thread through queued invocations.
    void start();
    void stop();
    void flush();
    /// Deletes the cache files; the caller has emptied the queue already.
    void disable();

signals:
    /// After each answered (or failed) batch.
    void batchFinished(int count, bool putBack);

private:
    void tick();
    void sendBatch();
    void finishBatch(QNetworkReply* reply, const QList<SignalPostBody>& batch);
    void saveCache();

    const TelemetryManagerConfiguration m_configuration;
    const std::shared_ptr<SignalCache> m_cache;
    const std::shared_ptr<SessionManager> m_sessions;
    const std::atomic<bool>& m_enabled;
    QTimer* m_timer = nullptr;
    QNetworkAccessManager* m_network = nullptr;
    QNetworkReply* m_inFlight = nullptr;
    QList<SignalPostBody> m_inFlightBatch;
    int m_ticks = 0;
};

}  // namespace korrelang::analytics
