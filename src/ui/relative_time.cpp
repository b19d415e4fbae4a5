#include "relative_time.h"

#include <array>
#include <cstdlib>

namespace korrelang::ui {

QString RelativeTime::describe(const QDateTime& moment, const QDateTime& now) {
    struct Unit {
        qint64 seconds;
        const char* singular;
        const char* plural;
    };
    static constexpr std::array<Unit, 7> kUnits{{
        {365LL * 24 * 3600, "year", "years"},
        {30LL * 24 * 3600, "month", "months"},
        {7LL * 24 * 3600, "week", "weeks"},
        {24LL * 3600, "day", "days"},
        {3600, "hour", "hours"},
        {60, "minute", "minutes"},
        {1, "second", "seconds"},
    }};
    const qint64 distance = moment.secsTo(now);
    const qint64 magnitude = std::llabs(distance);
    Unit unit = kUnits.back();
    for (const Unit& candidate : kUnits) {
        if (magnitude >= candidate.seconds) {
            unit = candidate;
            break;
        }
    }
    const qint64 count = magnitude / unit.seconds;
    const QString amount = QStringLiteral("%1 %2").arg(count).arg(
        QLatin1String(count == 1 ? unit.singular : unit.plural));
    return distance < 0 ? QStringLiteral("in ") + amount : amount + QStringLiteral(" ago");
}

}  // namespace korrelang::ui
