#include "signal_manager.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include "session_manager.h"
#include "signal_cache.h"
#include "telemetry_error.h"

namespace korrelang::analytics {

using LogLevel = TelemetryManagerConfiguration::LogLevel;

namespace {
// The session history is written about once a minute.
constexpr int kTicksPerSessionSave = 6;
constexpr int kMaximumBatch = 100;
}  // namespace

SignalManager::SignalManager(TelemetryManagerConfiguration configuration,
                             std::shared_ptr<SignalCache> cache,
                             std::shared_ptr<SessionManager> sessions,
                             const std::atomic<bool>& enabled)
    : m_configuration(std::move(configuration)),
      m_cache(std::move(cache)),
      m_sessions(std::move(sessions)),
      m_enabled(enabled) {}

SignalManager::~SignalManager() = default;

std::optional<QUrl> SignalManager::signalURL(const TelemetryManagerConfiguration& configuration) {
    const QUrl& base = configuration.apiBaseURL;
    if (!base.isValid() || base.host().isEmpty() ||
        (base.scheme() != u"https" && base.scheme() != u"http")) {
        return std::nullopt;
    }
    QString path = base.path();
    while (path.endsWith(u'/')) {
        path.chop(1);
    }
    if (configuration.namespaceName) {
        const QString& name = *configuration.namespaceName;
        if (name.isEmpty() || name.contains(u'/')) {
            return std::nullopt;
        }
        path += QStringLiteral("/v2/namespace/") + name + u'/';
    } else {
        path += QStringLiteral("/v2/");
    }
    QUrl url = base;
    url.setPath(path);
    return url.isValid() ? std::optional<QUrl>(url) : std::nullopt;
}

void SignalManager::start() {
    m_network = new QNetworkAccessManager(this);
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &SignalManager::tick);
    if (m_enabled) {
        m_configuration.log(LogLevel::Info, QStringLiteral("Loading Telemetry cache from: ") +
                                                m_configuration.cacheFilePath);
        if (!m_cache->load(m_configuration.cacheFilePath)) {
            m_configuration.log(LogLevel::Error,
                                QStringLiteral("⚠️ Ignoring an unreadable Telemetry cache: ") +
                                    m_configuration.cacheFilePath);
        }
        m_sessions->persist();
    } else {
        disable();
    }
    m_timer->start(m_configuration.sendInterval);
}

void SignalManager::stop() {
    if (m_timer != nullptr) {
        m_timer->stop();
    }
    if (m_inFlight != nullptr) {
        // Unanswered at exit: keep it for the next launch rather than lose it.
        m_inFlight->disconnect(this);
        m_inFlight->abort();
        m_inFlight = nullptr;
        if (m_enabled) {
            m_cache->pushFront(m_inFlightBatch);
        }
        m_inFlightBatch.clear();
    }
    if (m_enabled) {
        if (m_cache->save(m_configuration.cacheFilePath)) {
            m_configuration.log(LogLevel::Info,
                                QStringLiteral("Saved Telemetry cache %1").arg(m_cache->count()));
        } else {
            m_configuration.log(LogLevel::Error, QStringLiteral("Error saving Telemetry cache"));
        }
        m_sessions->persist();
    }
    delete m_network;
    m_network = nullptr;
}

void SignalManager::flush() {
    if (!m_enabled) {
        return;
    }
    saveCache();
    m_sessions->persist();
}

void SignalManager::disable() {
    QFile::remove(m_configuration.cacheFilePath);
    m_sessions->removeFile();
}

void SignalManager::tick() {
    if (!m_enabled) {
        return;
    }
    if (++m_ticks % kTicksPerSessionSave == 0) {
        m_sessions->persist();
    }
    saveCache();
    if (m_inFlight != nullptr) {
        return;
    }
    sendBatch();
}

void SignalManager::sendBatch() {
    if (m_cache->count() == 0) {
        return;
    }
    const std::optional<QUrl> url = signalURL(m_configuration);
    if (!url) {
        m_configuration.log(LogLevel::Error,
                            QStringLiteral("Unable to construct signal API URL for namespace ") +
                                m_configuration.namespaceName.value_or(QStringLiteral("nil")));
        return;
    }
    const QList<SignalPostBody> batch = m_cache->pop(kMaximumBatch);
    QJsonArray array;
    for (const SignalPostBody& body : batch) {
        array.append(body.toJson());
    }
    QNetworkRequest request(*url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    request.setTransferTimeout(static_cast<int>(m_configuration.requestTimeout.count()));
    QNetworkReply* reply =
        m_network->post(request, QJsonDocument(array).toJson(QJsonDocument::Compact));
    m_inFlight = reply;
    m_inFlightBatch = batch;
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, batch] { finishBatch(reply, batch); });
}

void SignalManager::finishBatch(QNetworkReply* reply, const QList<SignalPostBody>& batch) {
    reply->deleteLater();
    m_inFlight = nullptr;
    m_inFlightBatch.clear();
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    bool putBack = false;
    if (!status.isValid()) {
        m_configuration.log(LogLevel::Error,
                            QStringLiteral("❌ Telemetry: ") + reply->errorString());
        putBack = true;
    } else if (const int code = status.toInt(); code < 200 || code > 299) {
        m_configuration.log(
            LogLevel::Error,
            QStringLiteral("❌ Telemetry: ") + TelemetryError::fromStatusCode(code).description());
        putBack = code >= 500 || code == 429;
        if (!putBack) {
            m_configuration.log(LogLevel::Error,
                                QStringLiteral("❌ Telemetry: dropped a refused batch of %1 signals")
                                    .arg(batch.size()));
        }
    }
    if (m_enabled) {
        if (putBack) {
            m_cache->pushFront(batch);
        }
        saveCache();
    }
    emit batchFinished(static_cast<int>(batch.size()), putBack);
}

void SignalManager::saveCache() {
    if (!m_cache->save(m_configuration.cacheFilePath)) {
        m_configuration.log(LogLevel::Error, QStringLiteral("Error saving Telemetry cache"));
    }
}

}  // namespace korrelang::analytics
