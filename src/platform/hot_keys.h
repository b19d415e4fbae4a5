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

    enum class RegistrationStatus {
        ok,
        taken,       ///< another program holds the key
        noDisplay,   ///< no connection to the desktop
        unknownKey,  ///< the key or a modifier cannot be bound on this desktop
        refused,     ///< the desktop refused for another reason (logged where it happened)
    };

    /// The outcome of a registration: an id above 0 on success, or a failure status.
    struct Registration {
        int id = 0;
        RegistrationStatus status = RegistrationStatus::ok;
        bool succeeded() const { return id > 0 && status == RegistrationStatus::ok; }
    };

    /// The status as a log line names it ("taken").
    static const char* statusName(RegistrationStatus status) {
        switch (status) {
            case RegistrationStatus::ok:
                return "ok";
            case RegistrationStatus::taken:
                return "taken";
            case RegistrationStatus::noDisplay:
                return "no display";
            case RegistrationStatus::unknownKey:
                return "unknown key";
            case RegistrationStatus::refused:
                return "refused";
        }
        return "?";
    }

    virtual ~HotKeys() = default;

    /// Registers `key` with `modifiers` (lock states ignored) whatever the state of Caps Lock and
    /// Num Lock. `onPress` runs once per press (auto-repeat is not reported), `onRelease` when the
    /// key is let go, even if the modifiers were let go first. Both run on the main thread.
    virtual Registration registerHotKey(KeyCode key, Modifiers modifiers, Callback onPress,
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
