#pragma once

#include <vector>

#include "platform/key_interceptor.h"

namespace korrelang::platform::fake {

/// An interceptor a test feeds key presses to; records what it typed in their place.
class FakeKeyInterceptor : public KeyInterceptor {
public:
    bool canStart = true;
    std::string activeLayout;
    std::vector<std::string> typed;

    bool start(LayoutFilter filter, Handler handler) override {
        if (!canStart) {
            return false;
        }
        m_filter = std::move(filter);
        m_handler = std::move(handler);
        m_running = true;
        return true;
    }
    void stop() override {
        m_running = false;
        m_filter = {};
        m_handler = {};
    }
    bool isRunning() const override { return m_running; }

    /// Delivers one key press; returns what was typed in its place, or nothing when the key
    /// passed through.
    std::optional<std::string> press(KeyCode key, Modifiers flags) {
        if (!m_running || !m_filter(activeLayout)) {
            return std::nullopt;
        }
        auto replacement = m_handler(key, flags);
        if (replacement) {
            typed.push_back(*replacement);
        }
        return replacement;
    }

private:
    LayoutFilter m_filter;
    Handler m_handler;
    bool m_running = false;
};

}  // namespace korrelang::platform::fake
