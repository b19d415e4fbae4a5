#include "screen_engine.h"

#include <QQmlEngine>

namespace korrelang::ui {

ScreenEngine::ScreenEngine() = default;

ScreenEngine::~ScreenEngine() = default;

QQmlEngine& ScreenEngine::engine() {
    if (!m_engine) {
        m_engine = std::make_unique<QQmlEngine>();
        // The screens' modules are compiled into the program, under qrc:/Korrelang/….
        m_engine->addImportPath(QStringLiteral("qrc:/"));
    }
    return *m_engine;
}

void ScreenEngine::retranslate() {
    if (m_engine) {
        m_engine->retranslate();
    }
}

}  // namespace korrelang::ui
