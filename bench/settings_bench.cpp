// Loading a year of heavy use, summarising it, recording into it, and queuing a signal.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "analytics/telemetry_manager.h"
#include "settings/conversion_statistics.h"
#include "settings/settings.h"

namespace {

using korrelang::settings::ConversionStatistics;
using korrelang::settings::Settings;
using korrelang::settings::StatisticsPeriod;

constexpr int kYearOfHeavyUse = 100'000;

ConversionStatistics yearOfHeavyUse() {
    static const QStringList languages = {QStringLiteral("English"), QStringLiteral("Russian"),
                                          QStringLiteral("Hebrew"), QStringLiteral("Ukrainian")};
    const QDateTime now = QDateTime::currentDateTime();
    QList<korrelang::settings::ConversionRecord> records;
    records.reserve(kYearOfHeavyUse);
    for (int i = 0; i < kYearOfHeavyUse; ++i) {
        const QDateTime when = now.addSecs(-static_cast<qint64>(kYearOfHeavyUse - i) * 315);
        records.append({korrelang::settings::ConversionRecord::secondsSinceReference(when),
                        languages[i % 4], languages[(i / 4 + 1 + i) % 4], 5 + i % 40});
    }
    return ConversionStatistics(std::move(records));
}

class StoredYear {
public:
    StoredYear() {
        Settings settings(file());
        settings.setSelectedKeyboards(
            {QStringLiteral("xkb.us.English"), QStringLiteral("xkb.ru.Russian")});
        settings.setStatistics(yearOfHeavyUse());
    }
    QString file() const { return m_dir.filePath(QStringLiteral("Korrelang.conf")); }
    QString copy(int n) const {
        const QString target = m_dir.filePath(QStringLiteral("copy%1.conf").arg(n));
        QFile::copy(file(), target);
        return target;
    }

private:
    QTemporaryDir m_dir;
};

// A cold start: a file this process has not read before (QSettings keeps files it has read).
void BM_LoadSettingsAndStatistics(benchmark::State& state) {
    const StoredYear stored;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = stored.copy(n++);
        state.ResumeTiming();
        const Settings settings(path);
        const ConversionStatistics statistics = settings.statistics();
        benchmark::DoNotOptimize(statistics.conversions().size());
        state.PauseTiming();
        state.counters["records"] = static_cast<double>(statistics.conversions().size());
        QFile::remove(path);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadSettingsAndStatistics)->Unit(benchmark::kMillisecond);

void BM_PeriodSummary(benchmark::State& state) {
    const ConversionStatistics statistics = yearOfHeavyUse();
    const auto period = static_cast<StatisticsPeriod>(state.range(0));
    const QSet<QString> languages = {QStringLiteral("English"), QStringLiteral("Russian"),
                                     QStringLiteral("Hebrew")};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ConversionStatistics::periodSummary(period, languages, statistics.conversions()));
    }
}
BENCHMARK(BM_PeriodSummary)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// What a conversion costs the main thread: read the log, record, store it back.
void BM_RecordConversionThroughSettings(benchmark::State& state) {
    const StoredYear stored;
    Settings settings(stored.file());
    for (auto _ : state) {
        ConversionStatistics statistics = settings.statistics();
        statistics.recordConversion(QStringLiteral("English"), QStringLiteral("Russian"), 6);
        settings.setStatistics(statistics);
    }
}
BENCHMARK(BM_RecordConversionThroughSettings)->Unit(benchmark::kMillisecond);

// The caller's share of a signal: stamping it and queuing it.
void BM_TelemetrySend(benchmark::State& state) {
    QTemporaryDir dir;
    korrelang::analytics::TelemetryManagerConfiguration configuration;
    configuration.apiBaseURL = QUrl(QStringLiteral("http://127.0.0.1:9"));
    configuration.sendInterval = std::chrono::hours(1);
    configuration.cacheFilePath = dir.filePath(QStringLiteral("cache"));
    configuration.sessionFilePath = dir.filePath(QStringLiteral("sessions"));
    configuration.preferencesPath = dir.filePath(QStringLiteral("prefs.conf"));
    configuration.sendNewSessionBeganSignal = false;
    korrelang::analytics::TelemetryManager telemetry(configuration);
    const QMap<QString, QString> parameters = {
        {QStringLiteral("fromLanguage"), QStringLiteral("English")},
        {QStringLiteral("toLanguage"), QStringLiteral("Russian")},
        {QStringLiteral("characterCount"), QStringLiteral("1-10")},
        {QStringLiteral("conversionMethod"), QStringLiteral("accessibility")}};
    for (auto _ : state) {
        telemetry.send(QStringLiteral("conversionPerformed"), parameters);
    }
}
BENCHMARK(BM_TelemetrySend)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
