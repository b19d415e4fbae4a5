#include "statistics_period.h"

namespace korrelang::settings {

QString rawValue(StatisticsPeriod period) {
    switch (period) {
        case StatisticsPeriod::Today:
            return QStringLiteral("Today");
        case StatisticsPeriod::Week:
            return QStringLiteral("This Week");
        case StatisticsPeriod::Month:
            return QStringLiteral("This Month");
        case StatisticsPeriod::Year:
            return QStringLiteral("This Year");
    }
    return QStringLiteral("This Week");
}

std::optional<StatisticsPeriod> statisticsPeriodFromRawValue(const QString& raw) {
    for (const StatisticsPeriod period : kAllStatisticsPeriods) {
        if (rawValue(period) == raw) {
            return period;
        }
    }
    return std::nullopt;
}

}  // namespace korrelang::settings
