#pragma once

#include <memory>

class QQmlEngine;

namespace korrelang::ui {

/// The one QML engine behind every window of the program: the screens' compiled types, images
/// and the JavaScript heap are loaded once and shared. The engine is made on first use, so a
/// start that never opens a window does not pay for it. Main thread only; it must outlive every
/// window whose screen it built.
class ScreenEngine {
public:
    ScreenEngine();
    ~ScreenEngine();
    ScreenEngine(const ScreenEngine&) = delete;
    ScreenEngine& operator=(const ScreenEngine&) = delete;

    /// The engine, made now if no window has needed it yet.
    QQmlEngine& engine();
    bool isCreated() const { return m_engine != nullptr; }
    /// Evaluates every translated text of every open screen again, after the language changed.
    /// Before the first window there is nothing to do: screens made later read the new language.
    void retranslate();

private:
    std::unique_ptr<QQmlEngine> m_engine;
};

}  // namespace korrelang::ui
