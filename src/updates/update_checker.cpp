#include "update_checker.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QVersionNumber>
#include <chrono>

namespace korrelang::updates {

namespace {

const QString kAutomaticKey = QStringLiteral("automaticallyChecksForUpdates");
const QString kLastCheckKey = QStringLiteral("lastUpdateCheckDate");

}  // namespace

UpdateChecker::UpdateChecker(const QString& storePath, QUrl feed, QString currentVersion,
                             QObject* parent)
    : QObject(parent),
      m_store(storePath, QSettings::IniFormat),
      m_feed(std::move(feed)),
      m_currentVersion(std::move(currentVersion)) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (automaticallyChecksForUpdates()) {
            check(false);
        }
    });
}

UpdateChecker::~UpdateChecker() {
    if (m_reply) {
        m_reply->abort();
    }
}

QUrl UpdateChecker::defaultFeed() {
    return QUrl(QStringLiteral(KORRELANG_UPDATE_FEED_URL));
}

bool UpdateChecker::automaticallyChecksForUpdates() const {
    const QVariant value = m_store.value(kAutomaticKey);
    return value.isValid() ? value.toBool() : true;
}

void UpdateChecker::setAutomaticallyChecksForUpdates(bool value) {
    if (m_store.contains(kAutomaticKey) && value == automaticallyChecksForUpdates()) {
        return;
    }
    m_store.setValue(kAutomaticKey, value);
    m_store.sync();
    emit automaticallyChecksForUpdatesChanged();
    if (value) {
        scheduleNext();
    } else {
        m_timer.stop();
    }
}

QDateTime UpdateChecker::lastUpdateCheckDate() const {
    // Stored as ISO 8601 text so that the settings file stays readable.
    return QDateTime::fromString(m_store.value(kLastCheckKey).toString(), Qt::ISODateWithMs);
}

void UpdateChecker::start() {
    if (automaticallyChecksForUpdates()) {
        scheduleNext();
    }
}

void UpdateChecker::checkForUpdates() {
    check(true);
}

void UpdateChecker::scheduleNext() {
    if (!isConfigured()) {
        return;
    }
    const QDateTime last = lastUpdateCheckDate();
    const qint64 elapsed = last.isValid() ? last.secsTo(QDateTime::currentDateTimeUtc()) : -1;
    const qint64 wait =
        (elapsed < 0 || elapsed >= kIntervalSeconds) ? 0 : kIntervalSeconds - elapsed;
    m_timer.start(std::chrono::seconds(wait));
}

void UpdateChecker::check(bool userInitiated) {
    if (!isConfigured()) {
        emit checkFailed(QStringLiteral("This build has no update feed."), userInitiated);
        return;
    }
    if (m_reply) {
        return;
    }
    QNetworkRequest request(m_feed);
    request.setTransferTimeout(kTimeoutMilliseconds);
    request.setRawHeader("Accept", "application/json");
    m_reply = m_network.get(request);
    QNetworkReply* reply = m_reply;
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, userInitiated] { finished(reply, userInitiated); });
}

void UpdateChecker::finished(QNetworkReply* reply, bool userInitiated) {
    reply->deleteLater();
    m_reply = nullptr;

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status < 200 || status >= 300) {
        const QString reason = status > 0
                                   ? QStringLiteral("The update server answered %1.").arg(status)
                                   : reply->errorString();
        emit checkFailed(reason, userInitiated);
        scheduleNext();
        return;
    }
    const QJsonObject feed = QJsonDocument::fromJson(reply->readAll()).object();
    const QString version = feed.value(QStringLiteral("version")).toString();
    QUrl page(feed.value(QStringLiteral("url")).toString(), QUrl::StrictMode);
    // The address is handed to the desktop's handler: anything but a web page over TLS (a local
    // file, a script, a plain-HTTP page a network can rewrite) is dropped; the update is still
    // announced.
    if (!isDownloadAddress(page)) {
        page = QUrl();
    }
    if (QVersionNumber::fromString(version).isNull()) {
        emit checkFailed(QStringLiteral("The update feed could not be read."), userInitiated);
        scheduleNext();
        return;
    }
    // Only a feed that was read counts as a check.
    m_store.setValue(kLastCheckKey, QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    m_store.sync();
    emit lastUpdateCheckDateChanged();
    if (isNewer(version, m_currentVersion)) {
        emit updateAvailable(version, page, userInitiated);
    } else {
        emit upToDate(userInitiated);
    }
    if (automaticallyChecksForUpdates()) {
        scheduleNext();
    }
}

bool UpdateChecker::isDownloadAddress(const QUrl& address) {
    return address.isValid() && address.scheme() == QLatin1String("https") &&
           !address.host().isEmpty();
}

bool UpdateChecker::isNewer(const QString& candidate, const QString& current) {
    qsizetype suffix = 0;
    const QVersionNumber theirs = QVersionNumber::fromString(candidate, &suffix);
    if (theirs.isNull() || suffix != candidate.size()) {
        return false;
    }
    return QVersionNumber::compare(theirs, QVersionNumber::fromString(current)) > 0;
}

}  // namespace korrelang::updates
