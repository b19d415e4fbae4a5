#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include "analytics/os_release.h"
#include "analytics/session_manager.h"
#include "analytics/signal_post_body.h"
#include "analytics/telemetry_error.h"

namespace korrelang::analytics {
namespace {

TEST(SignalPostBody, JsonRoundTripAndDates) {
    SignalPostBody body;
    body.receivedAt = QDateTime(QDate(2026, 1, 31), QTime(8, 5, 9), QTimeZone(3600));
    body.appID = QStringLiteral("APP");
    body.clientUser = QStringLiteral("abc");
    body.sessionID = QStringLiteral("SESSION");
    body.type = QStringLiteral("appLaunched");
    body.payload = {{QStringLiteral("k"), QStringLiteral("v")}};
    body.isTestMode = true;
    const QJsonObject json = body.toJson();
    EXPECT_EQ(json.value(QStringLiteral("receivedAt")).toString(),
              QStringLiteral("2026-01-31T07:05:09+0000"));
    EXPECT_EQ(json.value(QStringLiteral("isTestMode")).toString(), QStringLiteral("true"));
    EXPECT_FALSE(json.contains(QStringLiteral("floatValue")));
    EXPECT_EQ(SignalPostBody::fromJson(json), body);

    body.floatValue = 0.25;
    EXPECT_EQ(SignalPostBody::fromJson(body.toJson()), body);
    EXPECT_EQ(SignalPostBody::parseDate(QStringLiteral("2026-01-31T09:35:09+0230")),
              body.receivedAt);

    for (const char* member : {"receivedAt", "appID", "payload", "isTestMode", "type"}) {
        QJsonObject damaged = json;
        damaged.remove(QLatin1String(member));
        EXPECT_FALSE(SignalPostBody::fromJson(damaged)) << member;
    }
    QJsonObject wrongPayload = json;
    wrongPayload.insert(QStringLiteral("payload"), QJsonObject{{QStringLiteral("k"), 1}});
    EXPECT_FALSE(SignalPostBody::fromJson(wrongPayload));
}

TEST(TelemetryError, Descriptions) {
    EXPECT_EQ(TelemetryError::fromStatusCode(500).description(),
              QStringLiteral("Invalid status code 500"));
    EXPECT_EQ(TelemetryError::fromStatusCode(401).description(),
              QStringLiteral("Unauthorized (401)"));
    EXPECT_EQ(TelemetryError::fromStatusCode(413).description(),
              QStringLiteral("Payload is too large (413)"));
    EXPECT_EQ(TelemetryError::fromStatusCode(403).kind(), TelemetryError::Kind::Forbidden);
    EXPECT_EQ(TelemetryError::invalidEndpointUrl().description(),
              QStringLiteral("Invalid endpoint URL"));
}

TEST(OsRelease, ParsesTheFileFormat) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("os-release"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "# comment\nNAME=\"Debian GNU/Linux\"\nVERSION_ID=\"12\"\n"
        "PRETTY_NAME=\"Debian \\\"GNU\\\"/Linux 12 (bookworm)\"\nID=debian\nBROKEN LINE\n"
        "VARIANT='It''s'\n");
    file.close();
    const OsRelease release = OsRelease::fromFile(path);
    EXPECT_EQ(release.versionString(), QStringLiteral("Debian \"GNU\"/Linux 12 (bookworm)"));
    EXPECT_EQ(release.versionID(), QStringLiteral("12"));
    EXPECT_EQ(release.value(QStringLiteral("ID")), QStringLiteral("debian"));

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("NAME=Arch\nVERSION_ID=2026.01\n");
    file.close();
    EXPECT_EQ(OsRelease::fromFile(path).versionString(), QStringLiteral("Arch 2026.01"));
    EXPECT_EQ(OsRelease::fromFile(dir.filePath(QStringLiteral("absent"))).versionString(),
              QStringLiteral("Linux"));
}

TEST(SessionManager, RetentionFiguresDescribeEarlierSessions) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sessions"));
    const QDateTime day1 = QDateTime(QDate(2026, 3, 1), QTime(9, 0), QTimeZone::utc());
    {
        SessionManager first(path, day1);
        EXPECT_EQ(first.totalSessionsCount(), 1);
        EXPECT_EQ(first.previousSessionSeconds(), 0);
        ASSERT_TRUE(first.persist(day1.addSecs(100)));
    }
    {
        SessionManager second(path, day1.addSecs(3600));
        ASSERT_TRUE(second.persist(day1.addSecs(3600 + 300)));
    }
    const SessionManager third(path, day1.addDays(1));
    EXPECT_EQ(third.totalSessionsCount(), 3);
    EXPECT_EQ(third.distinctDaysUsed(), 2);
    EXPECT_EQ(third.previousSessionSeconds(), 300);
    EXPECT_EQ(third.averageSessionSeconds(), 200);
    EXPECT_EQ(third.firstSessionDate(), day1);
}

}  // namespace
}  // namespace korrelang::analytics
