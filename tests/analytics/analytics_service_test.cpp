#include "analytics/analytics_service.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>

#include "analytics/os_release.h"
#include "settings/settings.h"
#include "support/http_test_server.h"
#include "support/log_capture.h"
#include "telemetry_test_support.h"

namespace korrelang::analytics {
namespace {

using testing::HttpTestServer;

using Parameters = QMap<QString, QString>;

// The caller's parameters of each received signal, without the client's own.
QList<std::pair<QString, Parameters>> received(const HttpTestServer& server) {
    QList<std::pair<QString, Parameters>> signalList;
    for (const HttpTestServer::Request& request : server.requests()) {
        for (const QJsonValue& value : request.signalBodies()) {
            const QJsonObject body = value.toObject();
            const QJsonObject payload = body.value(QStringLiteral("payload")).toObject();
            Parameters parameters;
            for (auto it = payload.begin(); it != payload.end(); ++it) {
                if (!it.key().startsWith(QStringLiteral("Telemetry."))) {
                    parameters.insert(it.key(), it.value().toString());
                }
            }
            signalList.append({body.value(QStringLiteral("type")).toString(), parameters});
        }
    }
    return signalList;
}

TEST(AnalyticsService, CharacterCountBuckets) {
    const std::pair<int, const char*> cases[] = {
        {0, "1-10"},    {1, "1-10"},     {10, "1-10"},  {11, "11-50"},    {50, "11-50"},
        {51, "51-200"}, {200, "51-200"}, {201, "200+"}, {100000, "200+"},
    };
    for (const auto& [count, bucket] : cases) {
        EXPECT_EQ(AnalyticsService::characterCountBucket(count), QString::fromLatin1(bucket))
            << count;
    }
}

TEST(AnalyticsService, EverySignalWithItsParameters) {
    const PrivateHome home;
    HttpTestServer server;
    TelemetryManagerConfiguration configuration = testConfiguration(server.baseURL());
    AnalyticsService analytics(true, configuration);

    analytics.appLaunched(3);
    analytics.featureState(true, false, true, false);
    analytics.appSessionStart();
    analytics.settingChanged(QStringLiteral("steadySelection"), false);
    // "ghbdtn" converted into "привет": the flow passes names and a count, never the text.
    analytics.conversionPerformed(QStringLiteral("English"), QStringLiteral("Russian"), 6,
                                  AnalyticsService::ConversionMethod::Accessibility);
    analytics.conversionPerformed(QStringLiteral("Hebrew"), QStringLiteral("English"), 51,
                                  AnalyticsService::ConversionMethod::Clipboard);
    analytics.conversionFailed(AnalyticsService::FailureReason::AccessibilityDenied);
    analytics.conversionFailed(AnalyticsService::FailureReason::NoSelection);
    analytics.conversionFailed(AnalyticsService::FailureReason::DetectionFailed);
    analytics.conversionFailed(AnalyticsService::FailureReason::PasteFailed);
    analytics.keyboardCycleUsed(2, QStringLiteral("English"), QStringLiteral("Hebrew"));
    analytics.blacklistChanged(QStringLiteral("added"), 4);
    analytics.accessibilityPermission(false);
    analytics.feedbackSent(QStringLiteral("Bug"));
    analytics.onboardingCompleted(2);
    analytics.onboardingSkipped();
    analytics.appShared(QStringLiteral("copy"));

    const QLocale locale = QLocale::system();
    const QString region = locale.territory() == QLocale::AnyTerritory
                               ? QStringLiteral("unknown")
                               : QLocale::territoryToCode(locale.territory());
    const QList<std::pair<QString, Parameters>> expected = {
        {"appLaunched",
         {{"appVersion", "1.6.0"},
          {"buildNumber", "1"},
          {"macOSVersion", OsRelease::system().versionString()},
          {"locale", locale.name()},
          {"region", region},
          {"keyboardCount", "3"}}},
        {"featureState",
         {{"smartCapitalization", "on"},
          {"autoSwitchKeyboard", "off"},
          {"steadySelection", "on"},
          {"startAtLogin", "off"}}},
        {"appSessionStart", {}},
        {"settingChanged", {{"setting", "steadySelection"}, {"value", "off"}}},
        {"conversionPerformed",
         {{"fromLanguage", "English"},
          {"toLanguage", "Russian"},
          {"characterCount", "1-10"},
          {"conversionMethod", "accessibility"}}},
        {"conversionPerformed",
         {{"fromLanguage", "Hebrew"},
          {"toLanguage", "English"},
          {"characterCount", "51-200"},
          {"conversionMethod", "clipboard"}}},
        {"conversionFailed", {{"reason", "accessibility_denied"}}},
        {"conversionFailed", {{"reason", "no_selection"}}},
        {"conversionFailed", {{"reason", "detection_failed"}}},
        {"conversionFailed", {{"reason", "paste_failed"}}},
        {"keyboardCycleUsed",
         {{"cyclePosition", "2"}, {"fromLanguage", "English"}, {"toLanguage", "Hebrew"}}},
        {"blacklistChanged", {{"action", "added"}, {"blacklistCount", "4"}}},
        {"accessibilityPermission", {{"granted", "false"}}},
        {"feedbackSent", {{"feedbackType", "Bug"}}},
        {"onboardingCompleted", {{"keyboardCount", "2"}}},
        {"onboardingSkipped", {}},
        {"appShared", {{"shareMethod", "copy"}}},
    };
    ASSERT_TRUE(waitUntil([&] { return received(server).size() >= expected.size(); }));
    const auto actual = received(server);
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].first, expected[i].first);
        EXPECT_EQ(actual[i].second, expected[i].second) << expected[i].first.toStdString();
    }
    for (const HttpTestServer::Request& request : server.requests()) {
        EXPECT_FALSE(request.body.contains("ghbdtn"));
        EXPECT_FALSE(request.body.contains(QStringLiteral("привет").toUtf8()));
    }
}

TEST(AnalyticsService, TheAnalyticsSwitchTurnsTheClientOffAndOn) {
    const PrivateHome home;
    const korrelang::testing::LogCapture log;
    HttpTestServer server;
    TelemetryManagerConfiguration configuration = testConfiguration(server.baseURL());
    configuration.sendInterval = std::chrono::hours(1);
    {
        settings::Settings settings;
        ASSERT_TRUE(settings.analyticsEnabled());
        AnalyticsService analytics(settings.analyticsEnabled(), configuration);
        QObject::connect(&settings, &settings::Settings::switchAssigned,
                         [&analytics](const QString& name, bool value) {
                             analytics.settingChanged(name, value);
                         });
        // A conversion of "ghbdtn" into "привет": only names and a bucket travel.
        analytics.conversionPerformed(QStringLiteral("English"), QStringLiteral("Russian"), 6,
                                      AnalyticsService::ConversionMethod::Accessibility);
        settings.setAnalyticsEnabled(false);
        EXPECT_FALSE(analytics.isEnabled());
        analytics.appSessionStart();
    }
    EXPECT_TRUE(log.contains("📊 Analytics: Initialized (enabled: true)", false));
    EXPECT_FALSE(QFile::exists(home.cacheFile()));

    configuration.sendInterval = std::chrono::milliseconds(20);
    settings::Settings settings;
    AnalyticsService analytics(settings.analyticsEnabled(), configuration);
    QObject::connect(
        &settings, &settings::Settings::switchAssigned,
        [&analytics](const QString& name, bool value) { analytics.settingChanged(name, value); });
    EXPECT_TRUE(log.contains("📊 Analytics: Initialized (enabled: false)", false));
    analytics.appSessionStart();
    settings.setAnalyticsEnabled(true);
    ASSERT_TRUE(waitUntil([&] { return !received(server).isEmpty(); }));
    const auto actual = received(server);
    ASSERT_EQ(actual.size(), 1);
    EXPECT_EQ(actual[0].first, QStringLiteral("settingChanged"));
    EXPECT_EQ(actual[0].second, (Parameters{{"setting", "analytics"}, {"value", "on"}}));
}

}  // namespace
}  // namespace korrelang::analytics
