#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/hot_keys.h"
#include "sway_ipc.h"
#include "sway_subscription.h"

namespace korrelang::platform::sway {

/// Global hot keys bound in sway over IPC (`bindcode --no-repeat … nop korrelang-hotkey-N`); the
/// presses arrive as `binding` events on a subscription, so no process starts per press. Key
/// codes are bound, not key names, so a hot key works whatever layout is active. Bindings are
/// removed when unregistered, suspended and on destruction. Main thread only.
class SwayHotKeys : public HotKeys {
public:
    explicit SwayHotKeys(const std::string& socketPath);
    ~SwayHotKeys() override;

    Registration registerHotKey(KeyCode key, Modifiers modifiers, Callback onPress,
                                Callback onRelease) override;
    void unregisterHotKey(int id) override;
    void suspend() override;
    bool resume() override;

    /// sway's key combination for a hot key ("Ctrl+Shift+65"), or nothing when the key has no
    /// code or a modifier has no sway name.
    static std::optional<std::string> combination(KeyCode key, Modifiers modifiers);
    /// The `nop` argument that marks hot key `id`'s binding.
    static std::string marker(int id);

private:
    struct Binding {
        std::string combination;
        Callback onPress;
        Callback onRelease;
    };
    bool bind(int id, const Binding& binding);
    void unbind(const Binding& binding);
    void onEvent(const IpcMessage& event);

    SwayIpc m_ipc;
    std::unique_ptr<SwaySubscription> m_events;
    std::map<int, Binding> m_bindings;
    int m_nextId = 1;
    bool m_suspended = false;
};

}  // namespace korrelang::platform::sway
