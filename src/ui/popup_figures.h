#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <optional>

#include "settings/direction_delta.h"

namespace korrelang::ui {

/// The text the dashboard derives from a period summary. Pure functions, so that every figure can
/// be checked without drawing.
class PopupFigures {
public:
    /// The change from `previous` to `current` in whole percent, rounded half away from zero;
    /// nothing when there is no change to show (no previous conversions, or the same count).
    static std::optional<int> changePercent(qint64 current, qint64 previous);
    /// "+25%" for a rise of at least one percent, else the number with its own sign ("-25%", "0%"),
    /// in the locale's digits.
    static QString changeText(int percent, const QLocale& locale = QLocale::c());
    /// The count itself up to 999, else thousands with one decimal in the locale's notation:
    /// "1.0K", "15.3K" (German "15,3K").
    static QString characterText(qint64 count, const QLocale& locale = QLocale::c());
    /// "English→Russian" becomes "En→Ru"; anything that is not two names around one arrow stays.
    static QString directionLabel(const QString& direction);
    /// Each delta with its reverse direction, if present, in the order the first of them appears;
    /// a delta whose direction was already shown is skipped.
    static QList<QList<settings::DirectionDelta>> groupDeltas(
        const QList<settings::DirectionDelta>& deltas);
};

}  // namespace korrelang::ui
