#pragma once

#include <QtQml/qqmlregistration.h>

#include <QColor>
#include <QQuickPaintedItem>
#include <QString>

namespace korrelang::ui {

/// One of the application's own monochrome symbols ("gear", "xmark.circle", "checkmark", …),
/// drawn from its SVG and tinted with `color`, so that hover and state colours need no second
/// image. An unknown name draws nothing.
class SymbolIcon : public QQuickPaintedItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)

public:
    explicit SymbolIcon(QQuickItem* parent = nullptr);

    QString name() const { return m_name; }
    void setName(const QString& name);
    QColor color() const { return m_color; }
    void setColor(const QColor& color);

    void paint(QPainter* painter) override;

    /// The resource path of a symbol's SVG.
    static QString resourcePath(const QString& name);

signals:
    void nameChanged();
    void colorChanged();

private:
    QString m_name;
    QColor m_color = Qt::white;
};

}  // namespace korrelang::ui
