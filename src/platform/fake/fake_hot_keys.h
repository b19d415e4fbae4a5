#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/hot_keys.h"

namespace korrelang::platform::fake {

/// Hot keys a test can press; records registrations and refuses keys it was told are taken.
class FakeHotKeys : public HotKeys {
public:
    struct Entry {
        KeyCode key = 0;
        Modifiers modifiers;
        Callback onPress;
        Callback onRelease;
    };
    std::map<int, Entry> registered;
    std::vector<std::pair<KeyCode, Modifiers>> taken;
    bool suspended = false;
    /// Triggers "the desktop" reports, by registration id; `triggerCallback` announces changes.
    std::map<int, std::string> triggers;
    Callback triggerCallback;
    int registrations = 0;

    Registration registerHotKey(KeyCode key, Modifiers modifiers, Callback onPress,
                                Callback onRelease) override;
    void unregisterHotKey(int id) override { registered.erase(id); }
    void suspend() override { suspended = true; }
    bool resume() override {
        suspended = false;
        return true;
    }

    std::optional<std::string> boundTrigger(int id) const override {
        const auto it = triggers.find(id);
        return it == triggers.end() ? std::nullopt : std::optional(it->second);
    }
    void setTriggerCallback(Callback callback) override { triggerCallback = std::move(callback); }

    /// Presses and releases the registered key; returns false when nothing is registered for it.
    bool press(KeyCode key, Modifiers modifiers);

private:
    int m_nextId = 1;
};

}  // namespace korrelang::platform::fake
