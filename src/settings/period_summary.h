#pragma once

#include <QList>

#include "direction_delta.h"

namespace korrelang::settings {

/// What the popup shows for one period.
struct PeriodSummary {
    int conversionCount = 0;
    int previousConversionCount = 0;
    qint64 characterCount = 0;
    QList<DirectionDelta> deltas;
};

}  // namespace korrelang::settings
