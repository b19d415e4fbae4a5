#include "symbol_icon.h"

#include <QImage>
#include <QPainter>
#include <QQuickWindow>
#include <QSvgRenderer>
#include <QtMath>

namespace korrelang::ui {

SymbolIcon::SymbolIcon(QQuickItem* parent) : QQuickPaintedItem(parent) {
    setAntialiasing(true);
}

void SymbolIcon::setName(const QString& name) {
    if (name == m_name) {
        return;
    }
    m_name = name;
    emit nameChanged();
    update();
}

void SymbolIcon::setColor(const QColor& color) {
    if (color == m_color) {
        return;
    }
    m_color = color;
    emit colorChanged();
    update();
}

QString SymbolIcon::resourcePath(const QString& name) {
    return QStringLiteral(":/Korrelang/Components/symbols/%1.svg").arg(name);
}

void SymbolIcon::paint(QPainter* painter) {
    if (m_name.isEmpty() || width() <= 0 || height() <= 0) {
        return;
    }
    QSvgRenderer renderer(resourcePath(m_name));
    if (!renderer.isValid()) {
        return;
    }
    // Render the shape as a mask, then fill the mask with the colour: the SVGs are drawn in black.
    const qreal scale = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    QImage image(QSize(qCeil(width() * scale), qCeil(height() * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    {
        QPainter mask(&image);
        mask.setRenderHint(QPainter::Antialiasing);
        renderer.render(&mask, QRectF(0, 0, width(), height()));
        mask.setCompositionMode(QPainter::CompositionMode_SourceIn);
        mask.fillRect(QRectF(0, 0, width(), height()), m_color);
    }
    painter->drawImage(QRectF(0, 0, width(), height()), image);
}

}  // namespace korrelang::ui
