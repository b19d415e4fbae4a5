#include "status_item.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "platform/log.h"

namespace korrelang::app {

StatusItem::StatusItem(QObject* parent)
    : QObject(parent),
      m_icon(statusIcon()),
      m_checkMark(drawIcon(QStringLiteral(":/korrelang/icons/checkmark.svg"))) {
    m_checkMarkTimer.setSingleShot(true);
    m_checkMarkTimer.setInterval(kCheckMarkMilliseconds);
    connect(&m_checkMarkTimer, &QTimer::timeout, this, [this] {
        if (m_tray) {
            m_tray->setIcon(m_icon);
        }
    });
}

StatusItem::~StatusItem() = default;

QIcon StatusItem::drawIcon(const QString& resource) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) {
        return {};
    }
    QIcon icon;
    for (const int side : {18, 36}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, side, side));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon StatusItem::statusIcon() {
    QIcon icon = drawIcon(QStringLiteral(":/korrelang/icons/status.svg"));
    if (icon.isNull()) {
        // The resource is compiled in; a theme icon is the last resort.
        icon = QIcon::fromTheme(QStringLiteral("input-keyboard"));
    }
    return icon;
}

bool StatusItem::show() {
    if (!m_tray) {
        m_tray = std::make_unique<QSystemTrayIcon>(m_icon);
        m_tray->setToolTip(QStringLiteral("Korrelang"));
        connect(m_tray.get(), &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    // Every click toggles; a quick second click arrives as a double click.
                    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context ||
                        reason == QSystemTrayIcon::DoubleClick) {
                        emit clicked();
                    }
                });
    }
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        platform::logLine(
            "⚠️ No system tray on this desktop: Korrelang runs without its icon. The hotkey "
            "still "
            "works; run `korrelang` again to open the dashboard.");
    }
    m_tray->show();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

QRect StatusItem::geometry() const {
    return m_tray ? m_tray->geometry() : QRect();
}

void StatusItem::showConversionSuccess() {
    if (!m_tray) {
        return;
    }
    m_tray->setIcon(m_checkMark);
    m_checkMarkTimer.start();
}

}  // namespace korrelang::app
