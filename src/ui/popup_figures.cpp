#include "popup_figures.h"

#include <QSet>
#include <QStringList>
#include <cmath>

namespace korrelang::ui {

namespace {

const QString kArrow = QStringLiteral("→");

}  // namespace

std::optional<int> PopupFigures::changePercent(qint64 current, qint64 previous) {
    if (previous < 1 || current == previous) {
        return std::nullopt;
    }
    const double change = static_cast<double>(current - previous) / static_cast<double>(previous);
    // std::round rounds halves away from zero.
    return static_cast<int>(std::round(change * 100.0));
}

QString PopupFigures::changeText(int percent, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString number = plain.toString(percent);
    return (percent >= 1 ? locale.positiveSign() : QString()) + number + locale.percent();
}

QString PopupFigures::characterText(qint64 count, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    if (count <= 999) {
        return plain.toString(count);
    }
    return plain.toString(static_cast<double>(count) / 1000.0, 'f', 1) + QLatin1Char('K');
}

QString PopupFigures::directionLabel(const QString& direction) {
    const QStringList parts = direction.split(kArrow);
    if (parts.size() != 2) {
        return direction;
    }
    return parts[0].left(2) + kArrow + parts[1].left(2);
}

QList<QList<settings::DirectionDelta>> PopupFigures::groupDeltas(
    const QList<settings::DirectionDelta>& deltas) {
    QList<QList<settings::DirectionDelta>> groups;
    QSet<QString> used;
    for (const settings::DirectionDelta& delta : deltas) {
        if (used.contains(delta.direction)) {
            continue;
        }
        used.insert(delta.direction);
        QList<settings::DirectionDelta> group{delta};
        const QStringList parts = delta.direction.split(kArrow);
        if (parts.size() == 2) {
            const QString reverse = parts[1] + kArrow + parts[0];
            for (const settings::DirectionDelta& other : deltas) {
                if (other.direction == reverse && !used.contains(reverse)) {
                    group.append(other);
                    used.insert(reverse);
                    break;
                }
            }
        }
        groups.append(group);
    }
    return groups;
}

}  // namespace korrelang::ui
