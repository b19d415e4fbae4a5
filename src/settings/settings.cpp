#include "settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "engine/log.h"

namespace korrelang::settings {

namespace {

const QString kUnreadableStatisticsKey = QStringLiteral("statisticsUnreadable");
constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                             QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                             QFileDevice::WriteOther | QFileDevice::ExeOther;

void restrictToOwner(QFile& file) {
    if ((file.permissions() & kOthers) != 0) {
        file.setPermissions(kOwnerOnly);
    }
}

void log(const QString& text) {
    engine::Log::write(text.toStdString());
}

// The file holds the user's choices, the blacklist among them: readable by the user alone.
// QSettings writes through a temporary file that takes over the permissions of the existing
// one, so the file is created 0600 before QSettings first writes it.
void prepareStoreFile(const QString& path) {
    QFile file(path);
    if (file.exists()) {
        restrictToOwner(file);
        return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!file.open(QIODevice::WriteOnly, kOwnerOnly)) {
        log(QStringLiteral("❌ Cannot create the settings file ") + path + QStringLiteral(": ") +
            file.errorString());
    }
}

// Booleans as INI holds them ("true", "false"), and numbers; anything else is not a Boolean
// and gives the default rather than a guess.
bool readBool(const QSettings& store, const QString& key, bool absent) {
    if (!store.contains(key)) {
        return absent;
    }
    const QVariant value = store.value(key);
    switch (value.typeId()) {
        case QMetaType::Bool:
            return value.toBool();
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
            return value.toDouble() != 0;
        case QMetaType::QString: {
            const QString text = value.toString().trimmed().toLower();
            if (text == u"true" || text == u"1") {
                return true;
            }
            if (text == u"false" || text == u"0") {
                return false;
            }
            return absent;
        }
        default:
            return absent;
    }
}

// INI has no list type of its own: a list of one reads back as a plain string, an empty list
// as an invalid value.
QStringList readList(const QSettings& store, const QString& key) {
    const QVariant value = store.value(key);
    switch (value.typeId()) {
        case QMetaType::QStringList:
            return value.toStringList();
        case QMetaType::QString: {
            const QString text = value.toString();
            return text.isEmpty() ? QStringList() : QStringList{text};
        }
        case QMetaType::QVariantList: {
            QStringList list;
            for (const QVariant& item : value.toList()) {
                if (item.typeId() != QMetaType::QString) {
                    return {};
                }
                list.append(item.toString());
            }
            return list;
        }
        default:
            return {};
    }
}

}  // namespace

Settings::Settings(const QString& path, QObject* parent)
    : QObject(parent), m_store(path, QSettings::IniFormat) {
    if (m_store.status() == QSettings::FormatError) {
        log(QStringLiteral(
                "⚠️ The settings file has lines that cannot be read; they are ignored: ") +
            path);
    }
    m_hasCompletedFirstLaunch = readBool(m_store, QStringLiteral("hasCompletedFirstLaunch"), false);
    m_selectedKeyboards = readList(m_store, QStringLiteral("selectedKeyboards"));
    m_isEnabled = readBool(m_store, QStringLiteral("isEnabled"), true);
    m_startAtLogin = readBool(m_store, QStringLiteral("startAtLogin"), true);
    m_showDebugAlerts = readBool(m_store, QStringLiteral("showDebugAlerts"), false);
    m_autoSwitchKeyboard = readBool(m_store, QStringLiteral("autoSwitchKeyboard"), true);
    m_pickLayoutBySpelling = readBool(m_store, QStringLiteral("pickLayoutBySpelling"), true);
    m_blacklistedApps = readList(m_store, QStringLiteral("blacklistedApps"));
    m_smartCapitalization = readBool(m_store, QStringLiteral("smartCapitalization"), true);
    m_keepSelectionAfterConversion =
        readBool(m_store, QStringLiteral("keepSelectionAfterConversion"), true);
    m_hasAcceptedTerms = readBool(m_store, QStringLiteral("hasAcceptedTerms"), false);
    const QVariant period = m_store.value(QStringLiteral("statisticsPeriod"));
    m_statisticsPeriod =
        period.typeId() == QMetaType::QString
            ? statisticsPeriodFromRawValue(period.toString()).value_or(StatisticsPeriod::Week)
            : StatisticsPeriod::Week;
    m_analyticsEnabled = readBool(m_store, QStringLiteral("analyticsEnabled"), true);
    m_hasKnownKeyboards = m_store.contains(QStringLiteral("knownKeyboards"));
    m_knownKeyboards = readList(m_store, QStringLiteral("knownKeyboards"));
    const QVariant language = m_store.value(QStringLiteral("language"));
    m_language = language.typeId() == QMetaType::QString ? language.toString() : QString();
}

QString Settings::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Korrelang/Korrelang.conf");
}

void Settings::store(const QString& key, const QVariant& value) {
    prepareStoreFile(m_store.fileName());
    m_store.setValue(key, value);
    m_store.sync();
    if (m_store.status() == QSettings::AccessError) {
        log(QStringLiteral("❌ Failed to write the settings file: ") + m_store.fileName());
    }
}

template <typename T>
void Settings::assign(T& member, const T& value, const char* key, void (Settings::*changed)()) {
    const bool differs = member != value;
    member = value;
    if (differs) {
        emit(this->*changed)();
    }
    store(QString::fromLatin1(key), QVariant::fromValue(value));
}

std::vector<std::string> Settings::selectedKeyboardIDs() const {
    std::vector<std::string> ids;
    for (const QString& id : m_selectedKeyboards) {
        ids.push_back(id.toStdString());
    }
    return ids;
}

void Settings::setHasCompletedFirstLaunch(bool value) {
    assign(m_hasCompletedFirstLaunch, value, "hasCompletedFirstLaunch",
           &Settings::hasCompletedFirstLaunchChanged);
}

void Settings::setSelectedKeyboards(const QStringList& value) {
    assign(m_selectedKeyboards, value, "selectedKeyboards", &Settings::selectedKeyboardsChanged);
}

void Settings::setIsEnabled(bool value) {
    assign(m_isEnabled, value, "isEnabled", &Settings::isEnabledChanged);
}

void Settings::setStartAtLogin(bool value) {
    assign(m_startAtLogin, value, "startAtLogin", &Settings::startAtLoginChanged);
    emit switchAssigned(QStringLiteral("startAtLogin"), value);
}

void Settings::setShowDebugAlerts(bool value) {
    assign(m_showDebugAlerts, value, "showDebugAlerts", &Settings::showDebugAlertsChanged);
}

void Settings::setAutoSwitchKeyboard(bool value) {
    assign(m_autoSwitchKeyboard, value, "autoSwitchKeyboard", &Settings::autoSwitchKeyboardChanged);
    emit switchAssigned(QStringLiteral("autoSwitchKeyboard"), value);
}

void Settings::setPickLayoutBySpelling(bool value) {
    assign(m_pickLayoutBySpelling, value, "pickLayoutBySpelling",
           &Settings::pickLayoutBySpellingChanged);
}

void Settings::setBlacklistedApps(const QStringList& value) {
    assign(m_blacklistedApps, value, "blacklistedApps", &Settings::blacklistedAppsChanged);
}

void Settings::setSmartCapitalization(bool value) {
    assign(m_smartCapitalization, value, "smartCapitalization",
           &Settings::smartCapitalizationChanged);
    emit switchAssigned(QStringLiteral("smartCapitalization"), value);
}

void Settings::setKeepSelectionAfterConversion(bool value) {
    assign(m_keepSelectionAfterConversion, value, "keepSelectionAfterConversion",
           &Settings::keepSelectionAfterConversionChanged);
    emit switchAssigned(QStringLiteral("steadySelection"), value);
}

void Settings::setHasAcceptedTerms(bool value) {
    assign(m_hasAcceptedTerms, value, "hasAcceptedTerms", &Settings::hasAcceptedTermsChanged);
}

void Settings::setStatisticsPeriod(StatisticsPeriod value) {
    const bool differs = m_statisticsPeriod != value;
    m_statisticsPeriod = value;
    if (differs) {
        emit statisticsPeriodChanged();
    }
    store(QStringLiteral("statisticsPeriod"), rawValue(value));
}

void Settings::setStatisticsPeriodRawValue(const QString& value) {
    const std::optional<StatisticsPeriod> period = statisticsPeriodFromRawValue(value);
    if (!period) {
        log(QStringLiteral("⚠️ Unknown statistics period \"") + value + QStringLiteral("\""));
        return;
    }
    setStatisticsPeriod(*period);
}

void Settings::setAnalyticsEnabled(bool value) {
    assign(m_analyticsEnabled, value, "analyticsEnabled", &Settings::analyticsEnabledChanged);
    emit switchAssigned(QStringLiteral("analytics"), value);
}

void Settings::setKnownKeyboards(const QStringList& value) {
    const bool differs = !m_hasKnownKeyboards || m_knownKeyboards != value;
    m_knownKeyboards = value;
    m_hasKnownKeyboards = true;
    if (differs) {
        emit knownKeyboardsChanged();
    }
    store(QStringLiteral("knownKeyboards"), value);
}

void Settings::setLanguage(const QString& value) {
    assign(m_language, value, "language", &Settings::languageChanged);
}

QString Settings::statisticsPath() const {
    return QFileInfo(m_store.fileName()).absolutePath() + QStringLiteral("/statistics.json");
}

bool Settings::refreshStatistics() const {
    const QFileInfo info(statisticsPath());
    if (!info.exists()) {
        m_statisticsFile.reset();
        return false;
    }
    if (m_statisticsFile && m_statisticsFile->modified == info.lastModified() &&
        m_statisticsFile->size == info.size()) {
        return true;
    }
    StatisticsFile state{info.lastModified(), info.size(), false, {}};
    QFile file(info.filePath());
    if (file.open(QIODevice::ReadOnly)) {
        if (std::optional<ConversionStatistics> log =
                ConversionStatistics::fromJson(file.readAll())) {
            state.readable = true;
            state.log = std::move(*log);
        }
    }
    m_statisticsFile = std::move(state);
    return true;
}

ConversionStatistics Settings::statistics() const {
    if (!refreshStatistics() || !m_statisticsFile->readable) {
        return {};
    }
    return m_statisticsFile->log;
}

void Settings::setStatistics(const ConversionStatistics& statistics) {
    const QString path = statisticsPath();
    if (refreshStatistics() && !m_statisticsFile->readable) {
        // Each unreadable log keeps a name of its own: a second one never replaces the first.
        const QString stem =
            QFileInfo(path).absolutePath() + QStringLiteral("/") + kUnreadableStatisticsKey;
        QString aside = stem + QStringLiteral(".json");
        for (int n = 2; QFile::exists(aside); ++n) {
            aside = stem + QStringLiteral("-%1.json").arg(n);
        }
        log(QStringLiteral("⚠️ The conversion log could not be read; it is kept as ") + aside +
            QStringLiteral(" and a new log begins"));
        if (!QFile::rename(path, aside)) {
            log(QStringLiteral("❌ Cannot move the unreadable conversion log aside; it stays"));
            return;
        }
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(kOwnerOnly)) {
        log(QStringLiteral("❌ Failed to write the conversion log: ") + file.errorString());
        return;
    }
    file.write(statistics.toJson());
    if (!file.commit()) {
        log(QStringLiteral("❌ Failed to write the conversion log: ") + file.errorString());
        m_statisticsFile.reset();
        return;
    }
    const QFileInfo info(path);
    m_statisticsFile = StatisticsFile{info.lastModified(), info.size(), true, statistics};
    emit statisticsChanged();
}

}  // namespace korrelang::settings
