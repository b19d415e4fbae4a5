#include "app_window.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace korrelang::app {

AppWindow::AppWindow(const QString& title, QSize contentSize) {
    setTitle(title);
    setFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setColor(QColor::fromRgbF(0.1f, 0.1f, 0.1f));
    resize(contentSize);
    setMinimumSize(contentSize);
    setMaximumSize(contentSize);
}

void AppWindow::present() {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen) {
        const QRect area = screen->availableGeometry();
        setPosition(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    requestActivate();
}

bool AppWindow::event(QEvent* event) {
    if (event->type() == QEvent::Close) {
        emit closed();
    }
    return QQuickWindow::event(event);
}

}  // namespace korrelang::app
