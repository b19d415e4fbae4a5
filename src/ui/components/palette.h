#pragma once

#include <QtQml/qqmlregistration.h>

#include <QColor>
#include <QObject>

namespace korrelang::ui {

/// The colours every screen shares. The screens are dark whatever the desktop theme, so these are
/// fixed values, not derived from the system palette.
class Palette : public QObject {
    Q_OBJECT
    // Not "Palette": Qt Quick already has a type of that name.
    QML_NAMED_ELEMENT(Colors)
    QML_SINGLETON
    Q_PROPERTY(QColor windowBackground READ windowBackground CONSTANT)
    Q_PROPERTY(QColor panelBackground READ panelBackground CONSTANT)
    Q_PROPERTY(QColor primaryText READ primaryText CONSTANT)
    Q_PROPERTY(QColor secondaryText READ secondaryText CONSTANT)
    Q_PROPERTY(QColor tertiaryText READ tertiaryText CONSTANT)
    Q_PROPERTY(QColor placeholder READ placeholder CONSTANT)
    Q_PROPERTY(QColor pressedFill READ pressedFill CONSTANT)
    Q_PROPERTY(QColor switchTrackOff READ switchTrackOff CONSTANT)
    Q_PROPERTY(QColor idleFill READ idleFill CONSTANT)
    Q_PROPERTY(QColor outline READ outline CONSTANT)
    Q_PROPERTY(QColor selectedSegment READ selectedSegment CONSTANT)
    Q_PROPERTY(QColor fieldFill READ fieldFill CONSTANT)
    Q_PROPERTY(QColor accentBlue READ accentBlue CONSTANT)
    Q_PROPERTY(QColor accentPink READ accentPink CONSTANT)

public:
    explicit Palette(QObject* parent = nullptr) : QObject(parent) {}

    /// An opaque grey of the given white level (0 black, 1 white).
    Q_INVOKABLE static QColor grey(float white) { return QColor::fromRgbF(white, white, white); }

    static QColor windowBackground() { return grey(0.10f); }
    static QColor panelBackground() { return grey(0.10f); }
    static QColor primaryText() { return grey(0.88f); }
    static QColor secondaryText() { return grey(0.65f); }
    static QColor tertiaryText() { return grey(0.42f); }
    static QColor placeholder() { return grey(0.28f); }
    static QColor pressedFill() { return grey(0.24f); }
    static QColor switchTrackOff() { return grey(0.20f); }
    static QColor idleFill() { return grey(0.18f); }
    static QColor outline() { return grey(0.16f); }
    static QColor selectedSegment() { return grey(0.13f); }
    static QColor fieldFill() { return grey(0.08f); }
    static QColor accentBlue() { return QColor::fromRgbF(0.247f, 0.663f, 0.961f); }
    static QColor accentPink() { return QColor::fromRgbF(0.976f, 0.247f, 0.525f); }
};

}  // namespace korrelang::ui
