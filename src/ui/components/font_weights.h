#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>

namespace korrelang::ui {

/// The weights the screens draw text in. Light text needs a light face that has the letters of
/// the language shown; where the installed one lacks them (DejaVu Sans ExtraLight has no Hebrew)
/// the regular weight stands in, so the reader never gets empty boxes.
class FontWeights : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(int light READ light NOTIFY changed)

public:
    explicit FontWeights(QObject* parent = nullptr);

    int light() const { return m_light; }

    /// Letters of the language shown now; whoever chooses the language sets them, before the
    /// language change is announced.
    static void setSampleText(const QString& letters);
    /// QFont::Light when the light face (or its fallbacks) draws every letter, else Normal.
    static int lightWeightFor(const QString& letters);

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_light;
};

}  // namespace korrelang::ui
