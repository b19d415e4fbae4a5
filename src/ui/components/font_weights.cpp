#include "font_weights.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QFontMetricsF>

namespace korrelang::ui {

namespace {

QString& sampleText() {
    static QString letters;
    return letters;
}

}  // namespace

FontWeights::FontWeights(QObject* parent) : QObject(parent), m_light(lightWeightFor(sampleText())) {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->installEventFilter(this);
    }
}

void FontWeights::setSampleText(const QString& letters) {
    sampleText() = letters;
}

int FontWeights::lightWeightFor(const QString& letters) {
    QFont font;
    font.setWeight(QFont::Light);
    const QFontMetricsF metrics(font);
    for (const char32_t letter : letters.toUcs4()) {
        if (!metrics.inFontUcs4(letter)) {
            return QFont::Normal;
        }
    }
    return QFont::Light;
}

bool FontWeights::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange) {
        const int light = lightWeightFor(sampleText());
        if (light != m_light) {
            m_light = light;
            emit changed();
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace korrelang::ui
