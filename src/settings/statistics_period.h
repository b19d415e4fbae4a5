#pragma once

#include <QString>
#include <array>
#include <optional>

namespace korrelang::settings {

/// The period the popup's statistics cover. The raw value is both the stored form and the label.
enum class StatisticsPeriod { Today, Week, Month, Year };

inline constexpr std::array<StatisticsPeriod, 4> kAllStatisticsPeriods = {
    StatisticsPeriod::Today, StatisticsPeriod::Week, StatisticsPeriod::Month,
    StatisticsPeriod::Year};

/// "Today", "This Week", "This Month" or "This Year".
QString rawValue(StatisticsPeriod period);

/// Exact match against the raw values, case and spaces included; anything else is empty.
std::optional<StatisticsPeriod> statisticsPeriodFromRawValue(const QString& raw);

}  // namespace korrelang::settings
