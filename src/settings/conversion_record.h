#pragma once

#include <QDateTime>
#include <QString>

namespace korrelang::settings {

/// One logged conversion. The timestamp is kept in the stored form, seconds since
/// 2001-01-01 00:00:00 UTC with fraction, so that summaries compare plain numbers.
struct ConversionRecord {
    double timestamp = 0;
    QString fromLanguage;
    QString toLanguage;
    int characterCount = 0;

    /// Seconds between the Unix epoch and the reference date 2001-01-01 00:00:00 UTC.
    static constexpr qint64 kReferenceDateUnixSeconds = 978307200;

    static double secondsSinceReference(const QDateTime& when) {
        return static_cast<double>(when.toMSecsSinceEpoch() - kReferenceDateUnixSeconds * 1000) /
               1000.0;
    }

    friend bool operator==(const ConversionRecord&, const ConversionRecord&) = default;
};

}  // namespace korrelang::settings
