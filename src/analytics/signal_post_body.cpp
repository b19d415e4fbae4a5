#include "signal_post_body.h"

#include <QRegularExpression>
#include <QTimeZone>

namespace korrelang::analytics {

QJsonObject SignalPostBody::toJson() const {
    QJsonObject payloadObject;
    for (auto it = payload.cbegin(); it != payload.cend(); ++it) {
        payloadObject.insert(it.key(), it.value());
    }
    QJsonObject object{
        {QStringLiteral("receivedAt"), formatDate(receivedAt)},
        {QStringLiteral("appID"), appID},
        {QStringLiteral("clientUser"), clientUser},
        {QStringLiteral("sessionID"), sessionID},
        {QStringLiteral("type"), type},
        {QStringLiteral("payload"), payloadObject},
        {QStringLiteral("isTestMode"),
         isTestMode ? QStringLiteral("true") : QStringLiteral("false")},
    };
    if (floatValue) {
        object.insert(QStringLiteral("floatValue"), *floatValue);
    }
    return object;
}

std::optional<SignalPostBody> SignalPostBody::fromJson(const QJsonObject& object) {
    SignalPostBody body;
    const QJsonValue receivedAt = object.value(QStringLiteral("receivedAt"));
    const QJsonValue payload = object.value(QStringLiteral("payload"));
    const QJsonValue isTestMode = object.value(QStringLiteral("isTestMode"));
    const QJsonValue floatValue = object.value(QStringLiteral("floatValue"));
    for (const char* key : {"appID", "clientUser", "sessionID", "type"}) {
        if (!object.value(QLatin1String(key)).isString()) {
            return std::nullopt;
        }
    }
    if (!receivedAt.isString() || !payload.isObject() || !isTestMode.isString() ||
        !(floatValue.isUndefined() || floatValue.isDouble())) {
        return std::nullopt;
    }
    body.receivedAt = parseDate(receivedAt.toString());
    if (!body.receivedAt.isValid()) {
        return std::nullopt;
    }
    body.appID = object.value(QStringLiteral("appID")).toString();
    body.clientUser = object.value(QStringLiteral("clientUser")).toString();
    body.sessionID = object.value(QStringLiteral("sessionID")).toString();
    body.type = object.value(QStringLiteral("type")).toString();
    if (floatValue.isDouble()) {
        body.floatValue = floatValue.toDouble();
    }
    const QJsonObject payloadObject = payload.toObject();
    for (auto it = payloadObject.constBegin(); it != payloadObject.constEnd(); ++it) {
        if (!it.value().isString()) {
            return std::nullopt;
        }
        body.payload.insert(it.key(), it.value().toString());
    }
    body.isTestMode = isTestMode.toString() == u"true";
    return body;
}

QString SignalPostBody::formatDate(const QDateTime& date) {
    return date.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")) + QStringLiteral("+0000");
}

QDateTime SignalPostBody::parseDate(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d)([+-])(\d\d)(\d\d)$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        return {};
    }
    QDateTime local = QDateTime::fromString(match.captured(1), Qt::ISODate);
    if (!local.isValid()) {
        return {};
    }
    const int sign = match.captured(2) == u"-" ? -1 : 1;
    const int offset = sign * (match.captured(3).toInt() * 3600 + match.captured(4).toInt() * 60);
    local.setTimeZone(QTimeZone(offset));
    return local.toUTC();
}

}  // namespace korrelang::analytics
