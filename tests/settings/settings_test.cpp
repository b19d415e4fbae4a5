#include "settings/settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <functional>

#include "support/log_capture.h"

namespace korrelang::settings {
namespace {

using korrelang::testing::LogCapture;

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
    }

    QString path() const { return m_home.filePath(QStringLiteral("Korrelang/Korrelang.conf")); }

    void writeFile(const QByteArray& contents) const {
        QDir().mkpath(m_home.filePath(QStringLiteral("Korrelang")));
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    QByteArray readFile() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_home;
};

TEST_F(SettingsTest, FreshFileGivesTheDefaults) {
    const Settings settings;
    EXPECT_EQ(settings.path(), path());
    const std::pair<const char*, QVariant> expected[] = {
        {"hasCompletedFirstLaunch", false},
        {"selectedKeyboards", QStringList()},
        {"isEnabled", true},
        {"startAtLogin", true},
        {"showDebugAlerts", false},
        {"autoSwitchKeyboard", true},
        {"pickLayoutBySpelling", true},
        {"blacklistedApps", QStringList()},
        {"smartCapitalization", true},
        {"keepSelectionAfterConversion", true},
        {"hasAcceptedTerms", false},
        {"statisticsPeriod", QStringLiteral("This Week")},
        {"analyticsEnabled", true},
        {"knownKeyboards", QStringList()},
    };
    for (const auto& [name, value] : expected) {
        EXPECT_EQ(settings.property(name), value) << name;
    }
    EXPECT_FALSE(settings.hasKnownKeyboards());
    EXPECT_TRUE(settings.statistics().conversions().isEmpty());
}

TEST_F(SettingsTest, EveryAssignmentIsOnDiskAtOnceAndReadBackByTheNextLaunch) {
    const QStringList keyboards{QStringLiteral("xkb.us.English"), QStringLiteral("xkb.ru.Russian"),
                                QStringLiteral("odd, \"quoted\" = name; ü")};
    {
        Settings settings;
        settings.setHasCompletedFirstLaunch(true);
        settings.setSelectedKeyboards(keyboards);
        settings.setIsEnabled(false);
        settings.setShowDebugAlerts(true);
        settings.setAutoSwitchKeyboard(false);
        settings.setPickLayoutBySpelling(false);
        settings.setBlacklistedApps({QStringLiteral("org.gnome.Terminal")});
        settings.setSmartCapitalization(false);
        settings.setKeepSelectionAfterConversion(false);
        settings.setHasAcceptedTerms(true);
        settings.setStatisticsPeriod(StatisticsPeriod::Year);
        settings.setAnalyticsEnabled(false);
        settings.setKnownKeyboards({});
        EXPECT_TRUE(readFile().contains("keepSelectionAfterConversion=false"));
    }
    // Another process reads the file, not this process's in-memory copy of it.
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    file.close();
    QTemporaryDir elsewhere;
    QFile::copy(path(), elsewhere.filePath(QStringLiteral("copy.conf")));

    const Settings settings(elsewhere.filePath(QStringLiteral("copy.conf")));
    EXPECT_TRUE(settings.hasCompletedFirstLaunch());
    EXPECT_EQ(settings.selectedKeyboards(), keyboards);
    EXPECT_FALSE(settings.isEnabled());
    EXPECT_TRUE(settings.startAtLogin());
    EXPECT_TRUE(settings.showDebugAlerts());
    EXPECT_FALSE(settings.autoSwitchKeyboard());
    EXPECT_FALSE(settings.pickLayoutBySpelling());
    EXPECT_EQ(settings.blacklistedApps(), QStringList{QStringLiteral("org.gnome.Terminal")})
        << "a list of one must not read back as the empty list";
    EXPECT_FALSE(settings.smartCapitalization());
    EXPECT_FALSE(settings.keepSelectionAfterConversion());
    EXPECT_TRUE(settings.hasAcceptedTerms());
    EXPECT_EQ(settings.statisticsPeriod(), StatisticsPeriod::Year);
    EXPECT_FALSE(settings.analyticsEnabled());
    EXPECT_TRUE(settings.hasKnownKeyboards()) << "a stored empty list is not an absent key";
    EXPECT_TRUE(settings.knownKeyboards().isEmpty());
}

TEST_F(SettingsTest, HandWrittenFilesReadForgivingly) {
    struct Case {
        const char* line;
        const char* property;
        QVariant expected;
    };
    const Case cases[] = {
        {"autoSwitchKeyboard=false", "autoSwitchKeyboard", false},
        {"isEnabled=0", "isEnabled", false},
        {"showDebugAlerts=1", "showDebugAlerts", true},
        {"isEnabled=maybe", "isEnabled", true},
        {"showDebugAlerts=yes please", "showDebugAlerts", false},
        {"startAtLogin=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x10QStringList)", "startAtLogin", true},
        {"startAtLogin=", "startAtLogin", true},
        {"statisticsPeriod=This Year", "statisticsPeriod", QStringLiteral("This Year")},
        {"statisticsPeriod=Today", "statisticsPeriod", QStringLiteral("Today")},
        {"statisticsPeriod=this week", "statisticsPeriod", QStringLiteral("This Week")},
        {"statisticsPeriod=This  Month", "statisticsPeriod", QStringLiteral("This Week")},
        {"statisticsPeriod=Last Week", "statisticsPeriod", QStringLiteral("This Week")},
        {"statisticsPeriod=This Year, Today", "statisticsPeriod", QStringLiteral("This Week")},
        {"statisticsPeriod=@Invalid()", "statisticsPeriod", QStringLiteral("This Week")},
        {"selectedKeyboards=xkb.us.English", "selectedKeyboards",
         QStringList{QStringLiteral("xkb.us.English")}},
        {"selectedKeyboards=xkb.us.English, xkb.ru.Russian", "selectedKeyboards",
         QStringList{QStringLiteral("xkb.us.English"), QStringLiteral("xkb.ru.Russian")}},
        {"selectedKeyboards=@Invalid()", "selectedKeyboards", QStringList()},
        {"blacklistedApps=@ByteArray(\\xff\\0)", "blacklistedApps", QStringList()},
        {"blacklistedApps=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)", "blacklistedApps", QStringList()},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("k.conf"));
        {
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(QByteArray("[General]\n") + c.line + "\n");
        }
        const Settings settings(file);
        EXPECT_EQ(settings.property(c.property), c.expected) << c.line;
    }
}

TEST_F(SettingsTest, GarbageLinesDoNotCostTheReadableSettingsOrTheNextWrite) {
    writeFile(
        "\x01\x02 binary junk \xff\xfe\n[General\nautoSwitchKeyboard=false\n= no key\n"
        "[General]\nhasAcceptedTerms=true\nnot a setting at all\n\x00\x00\n");
    {
        Settings settings;
        EXPECT_TRUE(settings.hasAcceptedTerms());
        settings.setIsEnabled(false);
    }
    QTemporaryDir elsewhere;
    QFile::copy(path(), elsewhere.filePath(QStringLiteral("copy.conf")));
    const Settings reread(elsewhere.filePath(QStringLiteral("copy.conf")));
    EXPECT_FALSE(reread.isEnabled());
    EXPECT_TRUE(reread.hasAcceptedTerms());
}

TEST_F(SettingsTest, LoadingWritesNothing) {
    const QByteArray original = "[General]\nstartAtLogin=true\nisEnabled=false\n";
    writeFile(original);
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    {
        const Settings settings;
        EXPECT_FALSE(settings.isEnabled());
    }
    EXPECT_EQ(readFile(), original);
}

TEST_F(SettingsTest, TheFileIsReadableByTheUserAlone) {
    const auto ownerOnly =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    {
        Settings fresh;
        fresh.setIsEnabled(true);
    }
    EXPECT_EQ(QFile::permissions(path()), ownerOnly);

    QFile::setPermissions(path(), ownerOnly | QFile::ReadGroup | QFile::ReadOther);
    Settings existing;
    existing.setBlacklistedApps({QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_EQ(QFile::permissions(path()), ownerOnly);
}

TEST_F(SettingsTest, NotifiesOnChangesButWritesEveryAssignment) {
    Settings settings;
    QSignalSpy changed(&settings, &Settings::isEnabledChanged);
    settings.setIsEnabled(true);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(readFile().contains("isEnabled=true"));
    settings.setIsEnabled(false);
    EXPECT_EQ(changed.count(), 1);

    QSignalSpy period(&settings, &Settings::statisticsPeriodChanged);
    settings.setStatisticsPeriodRawValue(QStringLiteral("this month"));
    EXPECT_EQ(settings.statisticsPeriod(), StatisticsPeriod::Week);
    settings.setProperty("statisticsPeriod", QStringLiteral("This Month"));
    EXPECT_EQ(settings.statisticsPeriod(), StatisticsPeriod::Month);
    EXPECT_EQ(period.count(), 1);
    EXPECT_TRUE(readFile().contains("statisticsPeriod=This Month"));
}

TEST_F(SettingsTest, StatisticsLiveInTheirOwnOwnerOnlyFile) {
    Settings settings;
    EXPECT_EQ(settings.statisticsPath(),
              m_home.filePath(QStringLiteral("Korrelang/statistics.json")));
    ConversionStatistics log;
    log.recordConversion(QStringLiteral("English"), QStringLiteral("Русский"), 6);
    log.recordConversion(QStringLiteral("עברית"), QStringLiteral("English"), 1);
    QSignalSpy changed(&settings, &Settings::statisticsChanged);
    settings.setStatistics(log);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(settings.statistics(), log);
    EXPECT_EQ(Settings().statistics(), log);
    EXPECT_EQ(QFile::permissions(settings.statisticsPath()) & 0x0077, 0);
    EXPECT_FALSE(readFile().contains("statistics")) << "the settings file stays small";

    // A change on disk is seen by the next read.
    ConversionStatistics other;
    other.recordConversion(QStringLiteral("Hebrew"), QStringLiteral("English"), 2);
    QFile file(settings.statisticsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(other.toJson() + "\n\n\n");
    file.close();
    EXPECT_EQ(settings.statistics(), other);
}

TEST_F(SettingsTest, AFailedLogWriteIsLoggedAndNotReportedAsStored) {
    // A file where the settings directory should be.
    QFile blocker(m_home.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Settings settings(m_home.filePath(QStringLiteral("blocker/Korrelang.conf")));
    const LogCapture log;
    QSignalSpy changed(&settings, &Settings::statisticsChanged);
    ConversionStatistics statistics;
    statistics.recordConversion(QStringLiteral("English"), QStringLiteral("Russian"), 3);
    settings.setStatistics(statistics);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(settings.statistics().conversions().isEmpty());
    ASSERT_FALSE(log.lines().empty());
    EXPECT_TRUE(log.lines().back().starts_with("❌ Failed to write the conversion log"))
        << log.lines().back();
}

TEST_F(SettingsTest, AnUnreadableLogReadsEmptyAndIsMovedAsideBeforeANewOne) {
    const QByteArray blobs[] = {
        R"({"conversions":[{"timestamp":1,"fromLanguage":"English","toLangu)",
        R"({"conversions":[{"timestamp":"1","fromLanguage":"A","toLanguage":"B","characterCount":1}]})",
        QByteArray(10 * 1024 * 1024, '['),
        "{\"conversions\":[], \"x\":" + QByteArray(10 * 1024 * 1024, '['),
        QByteArray(10 * 1024 * 1024, '\xfe'),
    };
    for (const QByteArray& blob : blobs) {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("k.conf"));
        const QString statistics = dir.filePath(QStringLiteral("statistics.json"));
        const QString aside = dir.filePath(QStringLiteral("statisticsUnreadable.json"));
        for (const auto& [path, contents] :
             {std::pair{file, QByteArray("[General]\nisEnabled=false\n")},
              std::pair{statistics, blob}}) {
            QFile out(path);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(contents);
        }
        const LogCapture log;
        Settings settings(file);
        EXPECT_FALSE(settings.isEnabled()) << blob.left(40).toStdString();
        EXPECT_TRUE(settings.statistics().conversions().isEmpty());

        ConversionStatistics fresh;
        fresh.recordConversion(QStringLiteral("English"), QStringLiteral("Russian"), 3);
        settings.setStatistics(fresh);
        EXPECT_EQ(settings.statistics(), fresh);
        QFile kept(aside);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_TRUE(kept.readAll() == blob);
        EXPECT_EQ(log.lines().size(), 1u);

        // A readable log is simply replaced.
        settings.setStatistics(ConversionStatistics());
        EXPECT_TRUE(settings.statistics().conversions().isEmpty());
        EXPECT_EQ(QFileInfo(aside).size(), blob.size());
        EXPECT_EQ(log.lines().size(), 1u);
    }
}

TEST_F(SettingsTest, EachUnreadableLogIsKeptUnderItsOwnName) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("k.conf"));
    const QString statistics = dir.filePath(QStringLiteral("statistics.json"));
    const QByteArray blobs[] = {"{first", "{second", "{third"};
    for (const QByteArray& blob : blobs) {
        {
            QFile out(statistics);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(blob);
        }
        Settings settings(file);
        settings.setStatistics(ConversionStatistics());
    }
    const QStringList names{QStringLiteral("statisticsUnreadable.json"),
                            QStringLiteral("statisticsUnreadable-2.json"),
                            QStringLiteral("statisticsUnreadable-3.json")};
    for (int i = 0; i < names.size(); ++i) {
        QFile kept(dir.filePath(names[i]));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << names[i].toStdString();
        EXPECT_EQ(kept.readAll(), blobs[i]);
    }
}

}  // namespace
}  // namespace korrelang::settings
