#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <optional>

namespace korrelang::analytics {

/// One signal as it is sent and as it waits in the cache.
struct SignalPostBody {
    QDateTime receivedAt;
    QString appID;
    QString clientUser;
    QString sessionID;
    QString type;
    std::optional<double> floatValue;
    QMap<QString, QString> payload;
    bool isTestMode = false;

    QJsonObject toJson() const;
    /// Empty unless every member is there with the right type.
    static std::optional<SignalPostBody> fromJson(const QJsonObject& object);

    /// "yyyy-MM-dd'T'HH:mm:ssZ", written in UTC: "2026-01-31T08:05:09+0000".
    static QString formatDate(const QDateTime& date);
    static QDateTime parseDate(const QString& text);

    friend bool operator==(const SignalPostBody&, const SignalPostBody&) = default;
};

}  // namespace korrelang::analytics
