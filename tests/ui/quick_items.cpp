#include "quick_items.h"

#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QTest>

namespace korrelang::ui {

QQuickItem* QuickItems::show(QQuickView& view, const QString& file, const QString& property,
                             QObject* model) {
    view.engine()->addImportPath(QStringLiteral("qrc:/"));
    view.setInitialProperties({{property, QVariant::fromValue(model)}});
    view.setSource(QUrl(QStringLiteral("qrc:/Korrelang/Ui/") + file));
    if (view.status() != QQuickView::Ready) {
        qWarning() << view.errors();
        return nullptr;
    }
    view.show();
    return QTest::qWaitForWindowExposed(&view) ? view.rootObject() : nullptr;
}

QQuickItem* QuickItems::find(QQuickItem* under, const QString& name) {
    for (QQuickItem* child : under->childItems()) {
        if (child->objectName() == name) {
            return child;
        }
        if (QQuickItem* found = find(child, name)) {
            return found;
        }
    }
    return nullptr;
}

QList<QQuickItem*> QuickItems::all(QQuickItem* under, const QString& name) {
    QList<QQuickItem*> found;
    for (QQuickItem* child : under->childItems()) {
        if (child->objectName() == name) {
            found.append(child);
        }
        found.append(all(child, name));
    }
    return found;
}

QImage QuickItems::grab(QQuickWindow& window, const QString& name) {
    QImage image = window.grabWindow();
    const QString dir = qEnvironmentVariable("KORRELANG_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    }
    return image;
}

}  // namespace korrelang::ui
