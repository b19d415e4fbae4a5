#pragma once

#include "platform/key_interceptor.h"

namespace korrelang::platform::wayland {

/// The key hook where the desktop gives an ordinary program none (Wayland): it never starts, and
/// says why in the log once.
class UnavailableKeyInterceptor : public KeyInterceptor {
public:
    bool start(LayoutFilter filter, Handler handler) override;
    void stop() override {}
    bool isRunning() const override { return false; }

private:
    bool m_logged = false;
};

}  // namespace korrelang::platform::wayland
