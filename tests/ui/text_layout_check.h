#pragma once

#include <QRectF>
#include <QStringList>

class QQuickItem;

namespace korrelang::ui {

/// Finds text that a reader would see cut, crowded or as empty boxes: every visible Text under
/// `root` must have a font for each of its letters, must fit its own width (or be allowed to
/// wrap, with no word wider than the line), must not be elided, must lie inside the window and
/// inside every item that clips it, and must not overlap another visible text.
class TextLayoutCheck {
public:
    /// One line per problem, naming the text; empty when the screen reads well.
    static QStringList problems(QQuickItem* root, const QRectF& window);
};

}  // namespace korrelang::ui
