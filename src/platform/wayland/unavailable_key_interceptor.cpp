#include "unavailable_key_interceptor.h"

#include "platform/log.h"

namespace korrelang::platform::wayland {

bool UnavailableKeyInterceptor::start(LayoutFilter, Handler) {
    if (!m_logged) {
        m_logged = true;
        logLine(
            "⚠️ Smart capitalization is unavailable: Wayland gives programs no global key "
            "hook");
    }
    return false;
}

}  // namespace korrelang::platform::wayland
