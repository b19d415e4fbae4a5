#include "settings/conversion_statistics.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QTimeZone>
#include <cstdlib>
#include <ctime>

namespace korrelang::settings {
namespace {

const QString kEnglish = QStringLiteral("English");
const QString kRussian = QStringLiteral("Russian");
const QString kHebrew = QStringLiteral("Hebrew");

class ConversionStatisticsTest : public ::testing::Test {
protected:
    // A zone with daylight saving time, so that "local midnight" and calendar arithmetic
    // are not UTC in disguise.
    static void SetUpTestSuite() {
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
    }

    static QDateTime local(int y, int mo, int d, int h, int mi, int s = 0) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
    }
    static ConversionRecord at(const QDateTime& when, const QString& from = kEnglish,
                               const QString& to = kRussian, int characters = 1) {
        return {ConversionRecord::secondsSinceReference(when), from, to, characters};
    }
};

TEST_F(ConversionStatisticsTest, TimestampsCountFromTheReferenceDate) {
    EXPECT_EQ(ConversionRecord::secondsSinceReference(
                  QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc())),
              0.0);
    EXPECT_EQ(ConversionRecord::secondsSinceReference(
                  QDateTime(QDate(2001, 1, 1), QTime(1, 0, 0, 250), QTimeZone::utc())),
              3600.25);
}

TEST_F(ConversionStatisticsTest, RecordingPrunesWhatIsMoreThanAYearOld) {
    const QDateTime now = local(2026, 3, 15, 12, 0);
    ConversionStatistics log({
        at(now.addYears(-1).addSecs(-1), kEnglish, kRussian, 1),
        at(now.addYears(-1), kEnglish, kRussian, 2),
        at(now.addDays(-364), kEnglish, kRussian, 3),
    });
    log.recordConversion(kHebrew, kEnglish, 4, now);
    QList<int> kept;
    for (const ConversionRecord& record : log.conversions()) {
        kept.append(record.characterCount);
    }
    EXPECT_EQ(kept, (QList<int>{2, 3, 4}));
    EXPECT_EQ(log.conversions().last(), at(now, kHebrew, kEnglish, 4));

    ConversionStatistics empty;
    empty.recordConversion(kEnglish, kRussian, 7, now);
    EXPECT_EQ(empty.conversions().size(), 1);
}

TEST_F(ConversionStatisticsTest, PeriodBoundaries) {
    // Just after the switch to summer time: a day is 23 hours long here.
    const QDateTime now = local(2026, 3, 29, 10, 30);
    struct Case {
        StatisticsPeriod period;
        QDateTime when;
        int current;
        int previous;
    };
    const Case cases[] = {
        {StatisticsPeriod::Today, local(2026, 3, 28, 23, 59, 59), 0, 1},
        {StatisticsPeriod::Today, local(2026, 3, 29, 0, 0), 1, 0},
        {StatisticsPeriod::Today, local(2026, 3, 28, 0, 0), 0, 1},
        {StatisticsPeriod::Today, local(2026, 3, 27, 23, 59, 59), 0, 0},
        {StatisticsPeriod::Today, now.addSecs(3600), 1, 0},
        {StatisticsPeriod::Week, now.addDays(-7), 1, 0},
        {StatisticsPeriod::Week, now.addDays(-7).addSecs(-1), 0, 1},
        {StatisticsPeriod::Week, now.addDays(-14), 0, 1},
        {StatisticsPeriod::Week, now.addDays(-14).addSecs(-1), 0, 0},
        {StatisticsPeriod::Month, local(2026, 2, 28, 10, 30), 1, 0},
        {StatisticsPeriod::Month, local(2026, 2, 28, 10, 29), 0, 1},
        {StatisticsPeriod::Month, local(2026, 1, 28, 10, 30), 0, 1},
        {StatisticsPeriod::Year, local(2025, 3, 29, 10, 30), 1, 0},
        {StatisticsPeriod::Year, local(2024, 6, 1, 0, 0), 0, 1},
        {StatisticsPeriod::Year, local(2024, 3, 29, 10, 29), 0, 0},
    };
    for (const Case& c : cases) {
        const PeriodSummary summary =
            ConversionStatistics::periodSummary(c.period, {kEnglish, kRussian}, {at(c.when)}, now);
        EXPECT_EQ(summary.conversionCount, c.current)
            << rawValue(c.period).toStdString() << " " << c.when.toString().toStdString();
        EXPECT_EQ(summary.previousConversionCount, c.previous)
            << rawValue(c.period).toStdString() << " " << c.when.toString().toStdString();
    }
}

TEST_F(ConversionStatisticsTest, DirectionsAreOnlyThoseBetweenSelectedLanguagesSeenNow) {
    const QDateTime now = local(2026, 6, 10, 12, 0);
    const QList<ConversionRecord> records = {
        at(now.addDays(-10), kEnglish, kRussian, 100),  // previous
        at(now.addDays(-9), kRussian, kHebrew, 100),    // previous only: no line
        at(now.addDays(-3), kRussian, kEnglish, 5),
        at(now.addDays(-2), kEnglish, kRussian, 7),
        at(now.addDays(-1), kHebrew, kEnglish, 11),  // Hebrew not selected: counted, no line
        at(now, kEnglish, kRussian, 13),
    };
    const PeriodSummary summary = ConversionStatistics::periodSummary(
        StatisticsPeriod::Week, {kEnglish, kRussian}, records, now);
    EXPECT_EQ(summary.conversionCount, 4);
    EXPECT_EQ(summary.previousConversionCount, 2);
    EXPECT_EQ(summary.characterCount, 5 + 7 + 11 + 13);
    const QList<DirectionDelta> expected = {
        {QStringLiteral("English→Russian"), 2, 1},
        {QStringLiteral("Russian→English"), 1, 0},
    };
    EXPECT_EQ(summary.deltas, expected);

    const PeriodSummary unselected =
        ConversionStatistics::periodSummary(StatisticsPeriod::Week, {}, records, now);
    EXPECT_TRUE(unselected.deltas.isEmpty());
    EXPECT_EQ(unselected.conversionCount, summary.conversionCount);
    EXPECT_EQ(unselected.previousConversionCount, summary.previousConversionCount);
    EXPECT_EQ(unselected.characterCount, summary.characterCount);
}

TEST_F(ConversionStatisticsTest, DirectionsCompareInComposedCodePointOrder) {
    const QDateTime now = local(2026, 6, 10, 12, 0);
    const QString composed = QStringLiteral("Fran\u00e7ais");
    const QString decomposed = QStringLiteral("Franc\u0327ais");
    const QString emoji = QStringLiteral("\U0001F600");  // above the BMP: after U+FFxx
    const QString halfwidth = QStringLiteral("\uFF76");
    const QList<ConversionRecord> records = {
        at(now, composed, kEnglish),
        at(now, decomposed, kEnglish),
        at(now, emoji, kEnglish),
        at(now, halfwidth, kEnglish),
        at(now.addDays(-8), decomposed, kEnglish),
    };
    const PeriodSummary summary = ConversionStatistics::periodSummary(
        StatisticsPeriod::Week, {decomposed, kEnglish, emoji, halfwidth}, records, now);
    const QList<DirectionDelta> expected = {
        {composed + QStringLiteral("→English"), 2, 1},
        {halfwidth + QStringLiteral("→English"), 1, 0},
        {emoji + QStringLiteral("→English"), 1, 0},
    };
    EXPECT_EQ(summary.deltas, expected);
}

TEST_F(ConversionStatisticsTest, JsonRoundTripAndStrictReading) {
    const ConversionStatistics log({
        at(local(2026, 1, 2, 3, 4, 5).addMSecs(678), kEnglish, QStringLiteral("Ру\"сс\\кий"), 42),
        {-1.0e-7, QStringLiteral("tab\there\u0001"), QStringLiteral("\U0001F600"), -3},
        {786787538.491, QString(), kEnglish, 0},
    });
    EXPECT_EQ(ConversionStatistics::fromJson(log.toJson()), log);
    // What another JSON writer makes of it reads the same.
    const QByteArray indented =
        QJsonDocument::fromJson(log.toJson()).toJson(QJsonDocument::Indented);
    EXPECT_EQ(ConversionStatistics::fromJson(indented), log);

    const std::pair<const char*, ConversionStatistics> readable[] = {
        {R"({"conversions":[]})", ConversionStatistics()},
        {" \n{ \"conversions\" : [ ] , \"version\" : 2 }\n", ConversionStatistics()},
        {R"({"conversions":[{"characterCount":3,"toLanguage":"B","fromLanguage":"A",
            "timestamp":12.5,"extra":{"deep":[1,true,null,"x\"y",-0.5e3]}}]})",
         ConversionStatistics({{12.5, QStringLiteral("A"), QStringLiteral("B"), 3}})},
        {R"({"conversions":[{"timestamp":1E2,"fromLanguage":"\u00e9\ud83d\ude00\/",
            "toLanguage":"\n","characterCount":7.0}]})",
         ConversionStatistics({{100, QStringLiteral("é\U0001F600/"), QStringLiteral("\n"), 7}})},
    };
    for (const auto& [json, expected] : readable) {
        EXPECT_EQ(ConversionStatistics::fromJson(QByteArray(json)), expected) << json;
    }

    const char* unreadable[] = {
        "",
        "[]",
        "null",
        R"({"conversions":{}})",
        R"({"records":[]})",
        R"({"conversions":[]} x)",
        R"({"conversions":[],})",
        R"({"conversions":[{"timestamp":1,"fromLanguage":"A","toLanguage":"B"}]})",
        R"({"conversions":[{"timestamp":1,"fromLanguage":"A","toLanguage":"B","characterCount":1.5}]})",
        R"({"conversions":[{"timestamp":1,"fromLanguage":"A","toLanguage":"B","characterCount":3e10}]})",
        R"({"conversions":[{"timestamp":1,"fromLanguage":"A","toLanguage":2,"characterCount":1}]})",
        R"({"conversions":[{"timestamp":null,"fromLanguage":"A","toLanguage":"B","characterCount":1}]})",
        R"({"conversions":[{"timestamp":01,"fromLanguage":"A","toLanguage":"B","characterCount":1}]})",
        R"({"conversions":[{"timestamp":1e999,"fromLanguage":"A","toLanguage":"B","characterCount":1}]})",
        R"({"conversions":[{"timestamp":1,"fromLanguage":"\x","toLanguage":"B","characterCount":1}]})",
        R"({"conversions":[{"timestamp":1,"fromLanguage":"\u12","toLanguage":"B","characterCount":1}]})",
        R"({"conversions":[{"timestamp":1,"fromLanguage":"A","toLanguage":"B","characterCount":1},7]})",
        R"({"conversions":[{"timestamp":1,"fromLanguage":"A","toLanguage":"B","characterCount":1})",
        "{\"conversions\":[{\"timestamp\":1,\"fromLanguage\":\"a\nb\",\"toLanguage\":\"B\","
        "\"characterCount\":1}]}",
    };
    for (const char* json : unreadable) {
        EXPECT_FALSE(ConversionStatistics::fromJson(QByteArray(json))) << json;
    }

    // A log cut off anywhere is unreadable, never half read.
    const QByteArray full = log.toJson();
    for (qsizetype length = 0; length < full.size(); ++length) {
        EXPECT_FALSE(ConversionStatistics::fromJson(full.left(length))) << length;
    }
}

}  // namespace
}  // namespace korrelang::settings
