#include "conversion_statistics.h"

#include <QHash>
#include <algorithm>
#include <utility>

namespace korrelang::settings {

namespace {

struct PeriodBounds {
    QDateTime currentStart;
    QDateTime previousStart;
};

PeriodBounds boundsFor(StatisticsPeriod period, const QDateTime& now) {
    const QDateTime local = now.toLocalTime();
    switch (period) {
        case StatisticsPeriod::Today: {
            const QDateTime midnight = local.date().startOfDay();
            return {midnight, midnight.addDays(-1)};
        }
        case StatisticsPeriod::Week: {
            const QDateTime start = local.addDays(-7);
            return {start, start.addDays(-7)};
        }
        case StatisticsPeriod::Month: {
            const QDateTime start = local.addMonths(-1);
            return {start, start.addMonths(-1)};
        }
        case StatisticsPeriod::Year: {
            const QDateTime start = local.addYears(-1);
            return {start, start.addYears(-1)};
        }
    }
    return {local, local};
}

// Language names are compared in composed form: canonically equivalent spellings are one
// language. The set of distinct names is tiny, so each is normalised once per summary.
class ComposedNames {
public:
    const QString& operator()(const QString& name) {
        auto it = m_cache.constFind(name);
        if (it == m_cache.constEnd()) {
            it = m_cache.insert(name, name.normalized(QString::NormalizationForm_C));
        }
        return it.value();
    }

private:
    QHash<QString, QString> m_cache;
};

bool codePointLess(const QString& a, const QString& b) {
    // UTF-16 order differs from code point order only above the BMP; UTF-8 order never does.
    return a.toUtf8() < b.toUtf8();
}

}  // namespace

void ConversionStatistics::recordConversion(const QString& fromLanguage, const QString& toLanguage,
                                            int characterCount, const QDateTime& now) {
    m_conversions.append(
        {ConversionRecord::secondsSinceReference(now), fromLanguage, toLanguage, characterCount});
    const double cutoff = ConversionRecord::secondsSinceReference(now.toLocalTime().addYears(-1));
    m_conversions.removeIf([cutoff](const ConversionRecord& r) { return r.timestamp < cutoff; });
}

PeriodSummary ConversionStatistics::periodSummary(StatisticsPeriod period,
                                                  const QSet<QString>& languages,
                                                  const QList<ConversionRecord>& records,
                                                  const QDateTime& now) {
    const PeriodBounds bounds = boundsFor(period, now);
    const double currentStart = ConversionRecord::secondsSinceReference(bounds.currentStart);
    const double previousStart = ConversionRecord::secondsSinceReference(bounds.previousStart);

    ComposedNames composed;
    QSet<QString> selected;
    for (const QString& language : languages) {
        selected.insert(composed(language));
    }

    using Direction = std::pair<QString, QString>;
    PeriodSummary summary;
    // Previous records only count towards directions the current period has, so both are
    // gathered first and matched afterwards.
    QHash<Direction, int> currentCounts;
    QHash<Direction, int> previousCounts;
    for (const ConversionRecord& record : records) {
        const bool isCurrent = record.timestamp >= currentStart;
        const bool isPrevious = !isCurrent && record.timestamp >= previousStart;
        if (!isCurrent && !isPrevious) {
            continue;
        }
        if (isCurrent) {
            ++summary.conversionCount;
            summary.characterCount += record.characterCount;
        } else {
            ++summary.previousConversionCount;
        }
        if (selected.isEmpty()) {
            continue;
        }
        const QString& from = composed(record.fromLanguage);
        const QString& to = composed(record.toLanguage);
        if (!selected.contains(from) || !selected.contains(to)) {
            continue;
        }
        if (isCurrent) {
            ++currentCounts[{from, to}];
        } else {
            ++previousCounts[{from, to}];
        }
    }

    for (auto it = currentCounts.cbegin(); it != currentCounts.cend(); ++it) {
        const QString direction = it.key().first + QChar(0x2192) + it.key().second;
        summary.deltas.append({direction, it.value(), previousCounts.value(it.key())});
    }
    std::sort(summary.deltas.begin(), summary.deltas.end(),
              [](const DirectionDelta& a, const DirectionDelta& b) {
                  return codePointLess(a.direction, b.direction);
              });
    return summary;
}

}  // namespace korrelang::settings
