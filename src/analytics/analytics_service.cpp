#include "analytics_service.h"

#include <QLocale>

#include "engine/log_line.h"
#include "engine/log_sink.h"
#include "os_release.h"
#include "telemetry_manager.h"

namespace korrelang::analytics {

namespace {

QString onOff(bool value) {
    return value ? QStringLiteral("on") : QStringLiteral("off");
}

QString failureReason(AnalyticsService::FailureReason reason) {
    switch (reason) {
        case AnalyticsService::FailureReason::AccessibilityDenied:
            return QStringLiteral("accessibility_denied");
        case AnalyticsService::FailureReason::NoSelection:
            return QStringLiteral("no_selection");
        case AnalyticsService::FailureReason::DetectionFailed:
            return QStringLiteral("detection_failed");
        case AnalyticsService::FailureReason::PasteFailed:
            return QStringLiteral("paste_failed");
    }
    return {};
}

}  // namespace

AnalyticsService::AnalyticsService(bool enabled, TelemetryManagerConfiguration configuration)
    : m_telemetry(std::make_unique<TelemetryManager>(std::move(configuration), enabled)) {
    engine::LogSink::write(engine::LogLine(enabled ? "📊 Analytics: Initialized (enabled: true)"
                                                   : "📊 Analytics: Initialized (enabled: false)"));
}

AnalyticsService::~AnalyticsService() = default;

TelemetryManagerConfiguration AnalyticsService::defaultConfiguration() {
    TelemetryManagerConfiguration configuration;
    configuration.telemetryAppID = QString::fromLatin1(kAppID);
    configuration.apiBaseURL = QUrl(QStringLiteral(KORRELANG_TELEMETRY_URL));
    return configuration;
}

void AnalyticsService::setEnabled(bool enabled) {
    m_telemetry->setEnabled(enabled);
}

bool AnalyticsService::isEnabled() const {
    return m_telemetry->isEnabled();
}

QString AnalyticsService::characterCountBucket(int characterCount) {
    if (characterCount < 11) {
        return QStringLiteral("1-10");
    }
    if (characterCount <= 50) {
        return QStringLiteral("11-50");
    }
    if (characterCount <= 200) {
        return QStringLiteral("51-200");
    }
    return QStringLiteral("200+");
}

void AnalyticsService::send(const QString& signalName, const SignalParameters& parameters) {
    m_telemetry->send(signalName, parameters);
}

void AnalyticsService::appLaunched(int keyboardCount) {
    const QLocale locale = QLocale::system();
    send(QStringLiteral("appLaunched"),
         {{QStringLiteral("appVersion"), QStringLiteral(KORRELANG_APP_VERSION)},
          {QStringLiteral("buildNumber"), QStringLiteral(KORRELANG_BUILD_NUMBER)},
          {QStringLiteral("macOSVersion"), OsRelease::system().versionString()},
          {QStringLiteral("locale"), locale.name()},
          {QStringLiteral("region"), locale.territory() == QLocale::AnyTerritory
                                         ? QStringLiteral("unknown")
                                         : QLocale::territoryToCode(locale.territory())},
          {QStringLiteral("keyboardCount"), QString::number(keyboardCount)}});
}

void AnalyticsService::featureState(bool smartCapitalization, bool autoSwitchKeyboard,
                                    bool steadySelection, bool startAtLogin) {
    send(QStringLiteral("featureState"),
         {{QStringLiteral("smartCapitalization"), onOff(smartCapitalization)},
          {QStringLiteral("autoSwitchKeyboard"), onOff(autoSwitchKeyboard)},
          {QStringLiteral("steadySelection"), onOff(steadySelection)},
          {QStringLiteral("startAtLogin"), onOff(startAtLogin)}});
}

void AnalyticsService::appSessionStart() {
    send(QStringLiteral("appSessionStart"));
}

void AnalyticsService::settingChanged(const QString& eventName, bool value) {
    if (eventName == u"analytics") {
        setEnabled(value);
    }
    send(QStringLiteral("settingChanged"),
         {{QStringLiteral("setting"), eventName}, {QStringLiteral("value"), onOff(value)}});
}

void AnalyticsService::conversionPerformed(const QString& fromLanguage, const QString& toLanguage,
                                           int characterCount, ConversionMethod method) {
    send(QStringLiteral("conversionPerformed"),
         {{QStringLiteral("fromLanguage"), fromLanguage},
          {QStringLiteral("toLanguage"), toLanguage},
          {QStringLiteral("characterCount"), characterCountBucket(characterCount)},
          {QStringLiteral("conversionMethod"), method == ConversionMethod::Accessibility
                                                   ? QStringLiteral("accessibility")
                                                   : QStringLiteral("clipboard")}});
}

void AnalyticsService::conversionFailed(FailureReason reason) {
    send(QStringLiteral("conversionFailed"), {{QStringLiteral("reason"), failureReason(reason)}});
}

void AnalyticsService::keyboardCycleUsed(int cyclePosition, const QString& fromLanguage,
                                         const QString& toLanguage) {
    send(QStringLiteral("keyboardCycleUsed"),
         {{QStringLiteral("cyclePosition"), QString::number(cyclePosition)},
          {QStringLiteral("fromLanguage"), fromLanguage},
          {QStringLiteral("toLanguage"), toLanguage}});
}

void AnalyticsService::blacklistChanged(const QString& action, int blacklistCount) {
    send(QStringLiteral("blacklistChanged"),
         {{QStringLiteral("action"), action},
          {QStringLiteral("blacklistCount"), QString::number(blacklistCount)}});
}

void AnalyticsService::accessibilityPermission(bool granted) {
    send(QStringLiteral("accessibilityPermission"),
         {{QStringLiteral("granted"), granted ? QStringLiteral("true") : QStringLiteral("false")}});
}

void AnalyticsService::feedbackSent(const QString& feedbackType) {
    send(QStringLiteral("feedbackSent"), {{QStringLiteral("feedbackType"), feedbackType}});
}

void AnalyticsService::onboardingCompleted(int keyboardCount) {
    send(QStringLiteral("onboardingCompleted"),
         {{QStringLiteral("keyboardCount"), QString::number(keyboardCount)}});
}

void AnalyticsService::onboardingSkipped() {
    send(QStringLiteral("onboardingSkipped"));
}

void AnalyticsService::appShared(const QString& shareMethod) {
    send(QStringLiteral("appShared"), {{QStringLiteral("shareMethod"), shareMethod}});
}

}  // namespace korrelang::analytics
