#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace korrelang::app {

/// Where the popup goes: centred under the tray icon (above it when the icon sits in the lower
/// half of the screen, as on a bottom panel), or at the pointer when the tray tells no geometry;
/// always wholly inside the screen's available area when it fits there.
class PopupPlacement {
public:
    static QPoint place(const QRect& iconGeometry, const QPoint& pointer, const QRect& available,
                        const QSize& popup);
};

}  // namespace korrelang::app
