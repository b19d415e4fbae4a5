#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <optional>

#include "conversion_record.h"
#include "period_summary.h"
#include "statistics_period.h"

namespace korrelang::settings {

/// The local log of conversions, oldest first, and the summaries the popup shows.
class ConversionStatistics {
public:
    ConversionStatistics() = default;
    explicit ConversionStatistics(QList<ConversionRecord> conversions)
        : m_conversions(std::move(conversions)) {}

    const QList<ConversionRecord>& conversions() const { return m_conversions; }

    /// Appends a record stamped `now`, then drops every record older than one year before
    /// `now` in the local calendar (a record exactly at that cutoff stays).
    void recordConversion(const QString& fromLanguage, const QString& toLanguage,
                          int characterCount, const QDateTime& now = QDateTime::currentDateTime());

    /// Counts for `period` ending at `now` and for the period of the same length before it.
    /// Week, month and year are rolling windows; today starts at local midnight. Only
    /// directions between two of `languages` and seen in the current period get a delta,
    /// sorted by code point after canonical composition.
    static PeriodSummary periodSummary(StatisticsPeriod period, const QSet<QString>& languages,
                                       const QList<ConversionRecord>& records,
                                       const QDateTime& now = QDateTime::currentDateTime());

    /// The stored JSON form: {"conversions":[{"timestamp":…,"fromLanguage":…,…},…]}, read and
    /// written without building a document tree: a year of heavy use is some ten megabytes,
    /// and it is read at every launch.
    QByteArray toJson() const;
    /// Empty when the text is not that form: every record needs all four members with the
    /// right JSON types, and the text must be one complete JSON value. Members may come in any
    /// order and unknown ones are skipped; nesting deeper than a few levels inside them is
    /// refused rather than followed.
    static std::optional<ConversionStatistics> fromJson(QByteArrayView json);

    friend bool operator==(const ConversionStatistics&, const ConversionStatistics&) = default;

private:
    QList<ConversionRecord> m_conversions;
};

}  // namespace korrelang::settings
