#pragma once

#include <QImage>
#include <QList>
#include <QString>

class QObject;
class QQuickItem;
class QQuickView;
class QQuickWindow;

namespace korrelang::ui {

/// Looks into rendered Qt Quick screens for the screen tests.
class QuickItems {
public:
    /// Loads the screen `file` of the Korrelang.Ui module into `view` with `model` as its
    /// `property`, shows it and waits until it is exposed; its root item, or null (the load
    /// errors printed) when it did not load or show.
    static QQuickItem* show(QQuickView& view, const QString& file, const QString& property,
                            QObject* model);
    /// The first visual descendant with the object name, depth first, or null. (Repeater items
    /// have no QObject parent under the view, so findChild misses them.)
    static QQuickItem* find(QQuickItem* under, const QString& name);
    /// Every visual descendant with the object name, in order.
    static QList<QQuickItem*> all(QQuickItem* under, const QString& name);
    /// The window's pixels, also saved as `name`.png under $KORRELANG_SCREENSHOT_DIR when set.
    static QImage grab(QQuickWindow& window, const QString& name);
};

}  // namespace korrelang::ui
