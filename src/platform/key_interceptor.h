#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "key_codes.h"

namespace korrelang::platform {

/// A global hook on Shift+letter key presses, for typing a different character in their place.
class KeyInterceptor {
public:
    /// Decides for one key press (key code, modifiers with the lock states): the text to type
    /// instead, or nothing to let the key through unchanged.
    using Handler = std::function<std::optional<std::string>(KeyCode key, Modifiers flags)>;
    /// Whether keys should be intercepted while the layout with this identifier is active.
    using LayoutFilter = std::function<bool(const std::string& layoutID)>;

    virtual ~KeyInterceptor() = default;

    /// Starts watching; from now on Shift+letter presses reach `handler` while `filter` accepts
    /// the active layout, re-checked whenever the layout changes. Returns false when the hook
    /// cannot be installed (no display, the keys are taken).
    virtual bool start(LayoutFilter filter, Handler handler) = 0;
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;
};

}  // namespace korrelang::platform
