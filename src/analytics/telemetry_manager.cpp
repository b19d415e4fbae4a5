#include "telemetry_manager.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "default_parameters.h"
#include "engine/log.h"
#include "os_release.h"
#include "session_manager.h"
#include "settings/settings.h"
#include "signal_cache.h"
#include "signal_manager.h"

namespace korrelang::analytics {

using LogLevel = TelemetryManagerConfiguration::LogLevel;

namespace {

const QString kReservedPrefix = QStringLiteral("Telemetry.");
const QString kUserIdentifierKey = QStringLiteral("defaultUserIdentifier");
// Past this many pending signals the oldest are dropped.
constexpr int kMaximumCachedSignals = 1000;

// Names of the members of a signal itself: a parameter under one of them is confusing at
// the service's end.
bool isReservedName(const QString& name) {
    static const QStringList kReserved = {
        QStringLiteral("appID"),      QStringLiteral("clientUser"), QStringLiteral("sessionID"),
        QStringLiteral("type"),       QStringLiteral("floatValue"), QStringLiteral("payload"),
        QStringLiteral("receivedAt"), QStringLiteral("isTestMode"),
    };
    return kReserved.contains(name);
}

}  // namespace

QString TelemetryManagerConfiguration::defaultCacheDirectory() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Korrelang");
}

TelemetryManager::TelemetryManager(TelemetryManagerConfiguration configuration, bool enabled,
                                   QObject* parent)
    : QObject(parent), m_configuration(std::move(configuration)), m_enabled(enabled) {
    if (m_configuration.cacheFilePath.isEmpty()) {
        m_configuration.cacheFilePath = TelemetryManagerConfiguration::defaultCacheDirectory() +
                                        QStringLiteral("/telemetrysignalcache");
    }
    if (m_configuration.sessionFilePath.isEmpty()) {
        m_configuration.sessionFilePath = TelemetryManagerConfiguration::defaultCacheDirectory() +
                                          QStringLiteral("/telemetrysessions");
    }
    if (m_configuration.apiBaseURL.isEmpty()) {
        m_configuration.log(
            LogLevel::Info,
            QStringLiteral("📊 Telemetry: this build has no analytics address; nothing is sent"));
        return;
    }

    if (m_enabled) {
        m_clientUser = makeClientUser();
    }
    m_sessions = std::make_shared<SessionManager>(m_configuration.sessionFilePath);
    m_defaultParameters = DefaultParameters::collect(OsRelease::system(), *m_sessions);
    m_cache = std::make_shared<SignalCache>(kMaximumCachedSignals);

    m_worker = new SignalManager(m_configuration, m_cache, m_sessions, m_enabled);
    m_worker->moveToThread(&m_thread);
    connect(m_worker, &SignalManager::batchFinished, this, &TelemetryManager::batchFinished);
    m_thread.setObjectName(QStringLiteral("telemetry"));
    m_thread.start();
    QMetaObject::invokeMethod(m_worker, &SignalManager::start, Qt::QueuedConnection);
    if (auto* application = QCoreApplication::instance()) {
        connect(application, &QCoreApplication::aboutToQuit, this,
                &TelemetryManager::appWillTerminate);
    }

    if (m_configuration.sendNewSessionBeganSignal && m_enabled) {
        enqueue(QStringLiteral("Telemetry.Session.started"), {}, std::nullopt, std::nullopt);
    }
}

TelemetryManager::~TelemetryManager() {
    if (m_worker == nullptr) {
        return;
    }
    QMetaObject::invokeMethod(m_worker, &SignalManager::stop, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    delete m_worker;
}

QString TelemetryManager::hashedUser(const QString& identifier, const QString& salt) {
    return QString::fromLatin1(
        QCryptographicHash::hash((identifier + salt).toUtf8(), QCryptographicHash::Sha256).toHex());
}

// A user who turned analytics off before the first launch never gets an identifier.
QString TelemetryManager::makeClientUser() const {
    const QString identifier =
        m_configuration.defaultUser ? *m_configuration.defaultUser : storedUserIdentifier();
    return hashedUser(identifier, m_configuration.salt);
}

QString TelemetryManager::storedUserIdentifier() const {
    const QString path = m_configuration.preferencesPath.isEmpty()
                             ? settings::Settings::defaultPath()
                             : m_configuration.preferencesPath;
    QSettings store(path, QSettings::IniFormat);
    QString identifier = store.value(kUserIdentifierKey).toString();
    if (!identifier.isEmpty()) {
        return identifier;
    }
    identifier = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    // The settings file is the user's alone; create it so before QSettings writes it.
    if (!QFile::exists(path)) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    store.setValue(kUserIdentifierKey, identifier);
    store.sync();
    return identifier;
}

void TelemetryManager::send(const QString& signalName, const SignalParameters& parameters,
                            std::optional<double> floatValue, const std::optional<QString>& user) {
    if (m_worker == nullptr || !m_enabled) {
        return;
    }
    const auto warnIfReserved = [this](const QString& name, const char* what, const char* prefix,
                                       const char* noun) {
        if (name.startsWith(kReservedPrefix)) {
            m_configuration.log(LogLevel::Error,
                                QStringLiteral("Sending %1 with reserved %2 'Telemetry.' will "
                                               "cause unexpected behavior. Please use another "
                                               "prefix instead.")
                                    .arg(what, prefix));
        } else if (isReservedName(name)) {
            m_configuration.log(LogLevel::Error,
                                QStringLiteral("Sending %1 with reserved %2 '%3' will cause "
                                               "unexpected behavior. Please use another %2 "
                                               "instead.")
                                    .arg(what, noun, name));
        }
    };
    warnIfReserved(signalName, "signal", "prefix", "name");
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it) {
        warnIfReserved(it.key(), "parameter", "key prefix", "key");
    }
    enqueue(signalName, parameters, floatValue, user);
}

void TelemetryManager::enqueue(const QString& type, SignalParameters parameters,
                               std::optional<double> floatValue,
                               const std::optional<QString>& user) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    SignalParameters payload = m_defaultParameters;
    payload.insert(DefaultParameters::calendar(now));
    payload.insert(parameters);

    SignalPostBody body;
    body.receivedAt = now;
    body.appID = m_configuration.telemetryAppID;
    body.clientUser = user ? hashedUser(*user, m_configuration.salt) : m_clientUser;
    body.sessionID = m_configuration.sessionID.toString(QUuid::WithoutBraces).toUpper();
    body.type = type;
    body.floatValue = floatValue;
    body.payload = std::move(payload);
    body.isTestMode = kIsDebugBuild;
    m_cache->push(std::move(body));
}

void TelemetryManager::setEnabled(bool enabled) {
    if (enabled && m_worker != nullptr && m_clientUser.isEmpty()) {
        m_clientUser = makeClientUser();
    }
    const bool was = m_enabled.exchange(enabled);
    if (was && !enabled && m_worker != nullptr) {
        m_cache->clear();
        QMetaObject::invokeMethod(m_worker, &SignalManager::disable, Qt::QueuedConnection);
    }
}

void TelemetryManager::appWillTerminate() {
    if (m_worker != nullptr) {
        QMetaObject::invokeMethod(m_worker, &SignalManager::flush, Qt::BlockingQueuedConnection);
    }
}

int TelemetryManager::pendingCount() const {
    return m_cache ? m_cache->count() : 0;
}

void TelemetryManagerConfiguration::log(LogLevel level, const QString& text) const {
    if (logHandler) {
        logHandler(level, text);
    } else {
        engine::Log::write(text.toStdString());
    }
}

}  // namespace korrelang::analytics
