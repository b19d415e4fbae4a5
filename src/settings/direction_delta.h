#pragma once

#include <QString>

namespace korrelang::settings {

/// Conversions in one direction ("English→Russian") in the current and the previous period.
struct DirectionDelta {
    QString direction;
    int current = 0;
    int previous = 0;

    friend bool operator==(const DirectionDelta&, const DirectionDelta&) = default;
};

}  // namespace korrelang::settings
