#pragma once

#include "platform/key_interceptor.h"
#include "platform/log.h"

namespace korrelang::platform::gnome {

/// Wayland gives an ordinary program no global key hook, so nothing can be intercepted.
class NoKeyInterceptor : public KeyInterceptor {
public:
    bool start(LayoutFilter, Handler) override {
        logLine("Smart capitalization is unavailable: Wayland gives no global key hook");
        return false;
    }
    void stop() override {}
    bool isRunning() const override { return false; }
};

}  // namespace korrelang::platform::gnome
