#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "key_codes.h"

namespace korrelang::platform {

/// Global hot keys: a key with modifiers that reaches the program whatever window is focused.
class HotKeys {
public:
    using Callback = std::function<void()>;

    /// The outcome of a registration: an id above 0 on success, or a failure status.
    struct Registration {
        int id = 0;
        int status = 0;  ///< 0 on success; otherwise the desktop's error (e.g. the key is taken)
        bool succeeded() const { return id > 0 && status == 0; }
    };

    /// Status values of a failed registration.
    static constexpr int kTaken = -9878;     ///< another program holds the key
    static constexpr int kNoDisplay = -1;    ///< no connection to the desktop
    static constexpr int kUnknownKey = -50;  ///< the key code has no key on this keyboard

    virtual ~HotKeys() = default;

    /// Registers `key` with `modifiers` (HotKeyModifier bits) whatever the state of Caps Lock and
    /// Num Lock. `onPress` runs once per press (auto-repeat is not reported), `onRelease` when the
    /// key is let go, even if the modifiers were let go first. Both run on the main thread.
    virtual Registration registerHotKey(KeyCode key, std::uint32_t modifiers, Callback onPress,
                                        Callback onRelease) = 0;
    virtual void unregisterHotKey(int id) = 0;
    /// Suspending releases every grab without forgetting it; resuming grabs again and reports
    /// whether every grab succeeded.
    virtual void suspend() = 0;
    virtual bool resume() = 0;

    /// Where the desktop owns the keys (a shortcuts portal), the trigger it reports for a
    /// registration, which the user may have changed in the desktop's settings; nothing where the
    /// program grabs the keys itself or before the desktop answered.
    virtual std::optional<std::string> boundTrigger(int /*id*/) const { return std::nullopt; }
    /// `callback` runs on the main thread whenever the desktop reports other triggers.
    virtual void setTriggerCallback(Callback /*callback*/) {}
};

}  // namespace korrelang::platform
