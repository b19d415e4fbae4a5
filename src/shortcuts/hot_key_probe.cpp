#include "hot_key_probe.h"

#include "platform/hot_keys.h"

namespace korrelang::shortcuts {

bool HotKeyProbe::isTaken(platform::HotKeys& hotKeys, const Shortcut& shortcut) {
    const platform::HotKeys::Registration registration =
        hotKeys.registerHotKey(shortcut.key, shortcut.modifiers, {}, {});
    if (registration.succeeded()) {
        hotKeys.unregisterHotKey(registration.id);
        return false;
    }
    return registration.status == platform::HotKeys::RegistrationStatus::taken;
}

}  // namespace korrelang::shortcuts
