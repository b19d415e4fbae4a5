#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

#include "conversion_statistics.h"

namespace korrelang::settings {

/// The stored JSON form of the conversion log, read and written without building a document
/// tree: a year of heavy use is some ten megabytes, and it is read at every launch.
///
/// Reading is strict where it matters (every record needs "timestamp", "fromLanguage",
/// "toLanguage" and "characterCount" with the right JSON types, the text must be one complete
/// JSON value) and lenient where it may (members in any order, unknown members skipped).
/// Nesting deeper than a few levels inside unknown members is refused rather than followed.
class StatisticsJson {
public:
    static QByteArray encode(const ConversionStatistics& statistics);
    static std::optional<ConversionStatistics> decode(QByteArrayView json);
};

}  // namespace korrelang::settings
