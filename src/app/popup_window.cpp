#include "popup_window.h"

#include <QtQml/qqmlextensionplugin.h>

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QQmlEngine>
#include <QScreen>

#include "platform/log.h"
#include "popup_placement.h"
#include "ui/menu_popup_view_model.h"

// The dashboard's QML modules are linked statically.
Q_IMPORT_QML_PLUGIN(Korrelang_UiPlugin)
Q_IMPORT_QML_PLUGIN(Korrelang_ComponentsPlugin)

namespace korrelang::app {

PopupWindow::PopupWindow(QQmlEngine& engine, ui::MenuPopupViewModel& viewModel)
    : QQuickView(&engine, nullptr), m_viewModel(viewModel) {
    setFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setTitle(QStringLiteral("Korrelang"));
    setColor(QColor::fromRgbF(0.1f, 0.1f, 0.1f));
    setResizeMode(QQuickView::SizeViewToRootObject);
    setInitialProperties({{QStringLiteral("viewModel"), QVariant::fromValue(&m_viewModel)}});
    setSource(QUrl(QStringLiteral("qrc:/Korrelang/Ui/MenuPopupView.qml")));
    if (status() != QQuickView::Ready) {
        for (const QQmlError& error : errors()) {
            platform::logLine("❌ Popup: " + error.toString().toStdString());
        }
    }
    resize(kSize);
    setMinimumSize(kSize);
    setMaximumSize(kSize);
    connect(&m_viewModel, &ui::MenuPopupViewModel::closeRequested, this, &PopupWindow::close);
}

void PopupWindow::open(const QRect& iconGeometry) {
    const QPoint pointer = QCursor::pos();
    QScreen* screen = iconGeometry.isEmpty() ? QGuiApplication::screenAt(pointer)
                                             : QGuiApplication::screenAt(iconGeometry.center());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(), kSize);
    setPosition(PopupPlacement::place(iconGeometry, pointer, available, kSize));
    m_viewModel.setShown(true);
    show();
    raise();
    requestActivate();
}

void PopupWindow::close() {
    if (isVisible()) {
        hide();
    }
}

void PopupWindow::exposeEvent(QExposeEvent* event) {
    QQuickView::exposeEvent(event);
    if (isExposed() && !m_grabbed) {
        // Clicks elsewhere on the screen come to the popup while it holds the pointer.
        m_grabbed = setMouseGrabEnabled(true);
    }
}

void PopupWindow::mousePressEvent(QMouseEvent* event) {
    if (!QRectF(QPointF(0, 0), QSizeF(size())).contains(event->position())) {
        event->accept();
        close();
        return;
    }
    QQuickView::mousePressEvent(event);
}

void PopupWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QQuickView::keyPressEvent(event);
}

void PopupWindow::focusOutEvent(QFocusEvent* event) {
    QQuickView::focusOutEvent(event);
    // Another window took the focus: the user has moved on.
    if (event->reason() == Qt::ActiveWindowFocusReason) {
        close();
    }
}

void PopupWindow::hideEvent(QHideEvent* event) {
    if (m_grabbed) {
        setMouseGrabEnabled(false);
        m_grabbed = false;
    }
    m_viewModel.setShown(false);
    QQuickView::hideEvent(event);
}

}  // namespace korrelang::app
