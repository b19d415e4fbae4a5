#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include "display_connection.h"
#include "platform/synthetic_keys.h"

struct zwp_virtual_keyboard_v1;
struct xkb_keymap;

namespace korrelang::platform::wayland {

/// Synthetic key presses through a virtual keyboard of Korrelang's own (wlroots'
/// zwp_virtual_keyboard_v1). The keyboard carries its own US keymap, so Control+C means copy
/// whatever layout the user has active. The same intent translation and terminal rule as on X11.
class VirtualKeyboardKeys : public SyntheticKeys {
public:
    /// The process of the focused window, for the terminal rule; nothing when unknown.
    using FocusedProcess = std::function<std::optional<long>()>;

    VirtualKeyboardKeys(std::shared_ptr<DisplayConnection> connection,
                        FocusedProcess focusedProcess);
    ~VirtualKeyboardKeys() override;

    /// Whether the compositor gave Korrelang a virtual keyboard.
    bool isAvailable() const override { return m_keyboard != nullptr; }
    bool simulateKeyPress(KeyCode key, Modifiers flags) override;

private:
    struct Keymap;
    /// Connection's thread: one key down or up, and the modifier state that follows from it.
    void sendKey(std::uint32_t evdev, bool down);

    std::shared_ptr<DisplayConnection> m_connection;
    FocusedProcess m_focusedProcess;
    std::unique_ptr<Keymap> m_keymap;
    zwp_virtual_keyboard_v1* m_keyboard = nullptr;
    std::mutex m_mutex;
};

}  // namespace korrelang::platform::wayland
