#include "relative_time.h"

#include <QCoreApplication>
#include <array>
#include <cstdlib>

namespace korrelang::ui {

namespace {

// Each unit with its past and future wording; the numerus forms come from the translations
// (English's own singular and plural too).
struct Unit {
    qint64 seconds;
    const char* past;
    const char* future;
};

constexpr std::array<Unit, 7> kUnits{{
    {365LL * 24 * 3600, QT_TRANSLATE_N_NOOP("RelativeTime", "%n year(s) ago"),
     QT_TRANSLATE_N_NOOP("RelativeTime", "in %n year(s)")},
    {30LL * 24 * 3600, QT_TRANSLATE_N_NOOP("RelativeTime", "%n month(s) ago"),
     QT_TRANSLATE_N_NOOP("RelativeTime", "in %n month(s)")},
    {7LL * 24 * 3600, QT_TRANSLATE_N_NOOP("RelativeTime", "%n week(s) ago"),
     QT_TRANSLATE_N_NOOP("RelativeTime", "in %n week(s)")},
    {24LL * 3600, QT_TRANSLATE_N_NOOP("RelativeTime", "%n day(s) ago"),
     QT_TRANSLATE_N_NOOP("RelativeTime", "in %n day(s)")},
    {3600, QT_TRANSLATE_N_NOOP("RelativeTime", "%n hour(s) ago"),
     QT_TRANSLATE_N_NOOP("RelativeTime", "in %n hour(s)")},
    {60, QT_TRANSLATE_N_NOOP("RelativeTime", "%n minute(s) ago"),
     QT_TRANSLATE_N_NOOP("RelativeTime", "in %n minute(s)")},
    {1, QT_TRANSLATE_N_NOOP("RelativeTime", "%n second(s) ago"),
     QT_TRANSLATE_N_NOOP("RelativeTime", "in %n second(s)")},
}};

}  // namespace

QString RelativeTime::describe(const QDateTime& moment, const QDateTime& now) {
    const qint64 distance = moment.secsTo(now);
    const qint64 magnitude = std::llabs(distance);
    Unit unit = kUnits.back();
    for (const Unit& candidate : kUnits) {
        if (magnitude >= candidate.seconds) {
            unit = candidate;
            break;
        }
    }
    const auto count = static_cast<int>(magnitude / unit.seconds);
    return QCoreApplication::translate("RelativeTime", distance < 0 ? unit.future : unit.past,
                                       nullptr, count);
}

}  // namespace korrelang::ui
