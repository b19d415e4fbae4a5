#include "popup_placement.h"

#include <algorithm>

namespace korrelang::app {

namespace {

int clampTo(int value, int low, int high) {
    // A popup larger than the screen keeps its top-left corner on the screen.
    return std::max(low, std::min(value, high));
}

}  // namespace

QPoint PopupPlacement::place(const QRect& iconGeometry, const QPoint& pointer,
                             const QRect& available, const QSize& popup) {
    constexpr int kGap = 4;
    const bool hasIcon = iconGeometry.isValid() && !iconGeometry.isEmpty();
    const QRect anchor = hasIcon ? iconGeometry : QRect(pointer, QSize(1, 1));
    const bool below = anchor.center().y() < available.center().y();

    int x = anchor.center().x() - popup.width() / 2;
    int y = below ? anchor.bottom() + 1 + kGap : anchor.top() - kGap - popup.height();
    x = clampTo(x, available.left(), available.right() + 1 - popup.width());
    y = clampTo(y, available.top(), available.bottom() + 1 - popup.height());
    return {x, y};
}

}  // namespace korrelang::app
