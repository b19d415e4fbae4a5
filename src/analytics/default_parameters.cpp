#include "default_parameters.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QSysInfo>
#include <QTimeZone>

#include "os_release.h"
#include "session_manager.h"

namespace korrelang::analytics {

namespace {

QString boolText(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString regionCode(const QLocale& locale) {
    return locale.territory() == QLocale::AnyTerritory
               ? QStringLiteral("unknown")
               : QLocale::territoryToCode(locale.territory());
}

}  // namespace

QMap<QString, QString> DefaultParameters::collect(const OsRelease& release,
                                                  const SessionManager& sessions) {
    const QString version = QStringLiteral(KORRELANG_APP_VERSION);
    const QString build = QStringLiteral(KORRELANG_BUILD_NUMBER);
    const QString systemVersion = release.versionID();
    const QStringList versionParts = systemVersion.split(u'.');
    const QLocale locale = QLocale::system();

    QMap<QString, QString> parameters{
        {QStringLiteral("Telemetry.AppInfo.version"), version},
        {QStringLiteral("Telemetry.AppInfo.buildNumber"), build},
        {QStringLiteral("Telemetry.AppInfo.versionAndBuildNumber"),
         version + QStringLiteral(" (build ") + build + u')'},
        {QStringLiteral("Telemetry.Device.architecture"), QSysInfo::currentCpuArchitecture()},
        {QStringLiteral("Telemetry.Device.modelName"), QSysInfo::productType()},
        {QStringLiteral("Telemetry.Device.operatingSystem"), QStringLiteral("Linux")},
        {QStringLiteral("Telemetry.Device.platform"), QStringLiteral("Linux")},
        {QStringLiteral("Telemetry.Device.systemVersion"),
         QStringLiteral("Linux ") + release.versionString()},
        {QStringLiteral("Telemetry.Device.systemMajorVersion"), versionParts.value(0)},
        {QStringLiteral("Telemetry.Device.systemMajorMinorVersion"),
         versionParts.mid(0, 2).join(u'.')},
        {QStringLiteral("Telemetry.Device.timeZone"),
         QString::fromUtf8(QTimeZone::systemTimeZoneId())},
        {QStringLiteral("Telemetry.RunContext.isDebug"), boolText(kIsDebugBuild)},
        {QStringLiteral("Telemetry.RunContext.isAppStore"), boolText(false)},
        {QStringLiteral("Telemetry.RunContext.locale"), locale.name()},
        {QStringLiteral("Telemetry.RunContext.language"),
         QLocale::languageToCode(locale.language())},
        {QStringLiteral("Telemetry.UserPreference.colorScheme"), QStringLiteral("Dark")},
        {QStringLiteral("Telemetry.UserPreference.language"),
         QLocale::languageToCode(locale.language())},
        {QStringLiteral("Telemetry.UserPreference.region"), regionCode(locale)},
        {QStringLiteral("Telemetry.SDK.name"), QString::fromLatin1(kSdkName)},
        {QStringLiteral("Telemetry.SDK.version"), QString::fromLatin1(kSdkVersion)},
        {QStringLiteral("Telemetry.Retention.distinctDaysUsed"),
         QString::number(sessions.distinctDaysUsed())},
        {QStringLiteral("Telemetry.Retention.totalSessionsCount"),
         QString::number(sessions.totalSessionsCount())},
        {QStringLiteral("Telemetry.Retention.averageSessionSeconds"),
         QString::number(sessions.averageSessionSeconds())},
        {QStringLiteral("Telemetry.Retention.previousSessionSeconds"),
         QString::number(sessions.previousSessionSeconds())},
    };
    if (const auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (const QScreen* screen = gui->primaryScreen()) {
            parameters.insert(QStringLiteral("Telemetry.Device.screenResolutionWidth"),
                              QString::number(screen->size().width()));
            parameters.insert(QStringLiteral("Telemetry.Device.screenResolutionHeight"),
                              QString::number(screen->size().height()));
            parameters.insert(QStringLiteral("Telemetry.Device.screenScaleFactor"),
                              QString::number(screen->devicePixelRatio()));
        }
    }
    return parameters;
}

QMap<QString, QString> DefaultParameters::calendar(const QDateTime& now) {
    const QDateTime local = now.toLocalTime();
    const int dayOfWeek = local.date().dayOfWeek();
    return {
        {QStringLiteral("Telemetry.Calendar.dayOfWeek"), QString::number(dayOfWeek)},
        {QStringLiteral("Telemetry.Calendar.dayOfMonth"), QString::number(local.date().day())},
        {QStringLiteral("Telemetry.Calendar.dayOfYear"), QString::number(local.date().dayOfYear())},
        {QStringLiteral("Telemetry.Calendar.weekOfYear"),
         QString::number(local.date().weekNumber())},
        {QStringLiteral("Telemetry.Calendar.monthOfYear"), QString::number(local.date().month())},
        {QStringLiteral("Telemetry.Calendar.hourOfDay"), QString::number(local.time().hour())},
        {QStringLiteral("Telemetry.Calendar.isWeekend"), boolText(dayOfWeek >= 6)},
    };
}

}  // namespace korrelang::analytics
