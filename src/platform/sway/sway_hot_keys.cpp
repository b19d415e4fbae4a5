#include "sway_hot_keys.h"

#include "platform/log.h"
#include "platform/wayland/evdev_code.h"
#include "sway_replies.h"

namespace korrelang::platform::sway {

namespace {
// sway names key codes as XKB does: the evdev code plus 8.
constexpr std::uint32_t kXkbOffset = 8;
constexpr std::string_view kMarkerPrefix = "korrelang-hotkey-";
}  // namespace

SwayHotKeys::SwayHotKeys(const std::string& socketPath) : m_ipc(socketPath) {
    m_events = std::make_unique<SwaySubscription>(
        socketPath, R"(["binding"])", [this](const IpcMessage& event) { onEvent(event); });
}

SwayHotKeys::~SwayHotKeys() {
    if (!m_suspended) {
        for (const auto& [id, binding] : m_bindings) {
            unbind(binding);
        }
    }
}

std::optional<std::string> SwayHotKeys::combination(KeyCode key, std::uint32_t modifiers) {
    const auto evdev = wayland::evdevCode(key);
    if (!evdev || (modifiers & HotKeyModifier::function) != 0) {
        return std::nullopt;
    }
    std::string keys;
    if ((modifiers & HotKeyModifier::command) != 0) {
        keys += "Mod4+";
    }
    if ((modifiers & HotKeyModifier::control) != 0) {
        keys += "Ctrl+";
    }
    if ((modifiers & HotKeyModifier::option) != 0) {
        keys += "Mod1+";
    }
    if ((modifiers & HotKeyModifier::shift) != 0) {
        keys += "Shift+";
    }
    return keys + std::to_string(*evdev + kXkbOffset);
}

std::string SwayHotKeys::marker(int id) {
    return std::string(kMarkerPrefix) + std::to_string(id);
}

HotKeys::Registration SwayHotKeys::registerHotKey(KeyCode key, std::uint32_t modifiers,
                                                  Callback onPress, Callback onRelease) {
    if (!m_ipc.isOpen() || !m_events->isActive()) {
        return {0, kNoDisplay};
    }
    const auto keys = combination(key, modifiers);
    if (!keys) {
        return {0, kUnknownKey};
    }
    const int id = m_nextId++;
    Binding binding{*keys, std::move(onPress), std::move(onRelease)};
    if (!m_suspended && !bind(id, binding)) {
        return {0, kTaken};
    }
    m_bindings.emplace(id, std::move(binding));
    return {id, 0};
}

void SwayHotKeys::unregisterHotKey(int id) {
    const auto it = m_bindings.find(id);
    if (it == m_bindings.end()) {
        return;
    }
    if (!m_suspended) {
        unbind(it->second);
    }
    m_bindings.erase(it);
}

void SwayHotKeys::suspend() {
    if (m_suspended) {
        return;
    }
    for (const auto& [id, binding] : m_bindings) {
        unbind(binding);
    }
    m_suspended = true;
}

bool SwayHotKeys::resume() {
    if (!m_suspended) {
        return true;
    }
    m_suspended = false;
    bool all = true;
    for (const auto& [id, binding] : m_bindings) {
        all = bind(id, binding) && all;
    }
    return all;
}

bool SwayHotKeys::bind(int id, const Binding& binding) {
    const auto reply = m_ipc.request(
        IpcType::runCommand, "bindcode --no-repeat " + binding.combination + " nop " + marker(id));
    std::string error;
    if (!reply || !SwayReplies::commandSucceeded(*reply, &error)) {
        logLine("❌ sway refused the hot key " + binding.combination + ": " + error);
        return false;
    }
    return true;
}

void SwayHotKeys::unbind(const Binding& binding) {
    const auto reply =
        m_ipc.request(IpcType::runCommand, "unbindcode --no-repeat " + binding.combination);
    std::string error;
    if (!reply || !SwayReplies::commandSucceeded(*reply, &error)) {
        logLine("⚠️ sway did not remove the hot key " + binding.combination + ": " + error);
    }
}

void SwayHotKeys::onEvent(const IpcMessage& event) {
    if (event.type != IpcType::bindingEvent) {
        return;
    }
    const std::string command = SwayReplies::bindingCommand(event.payload);
    for (const auto& [id, binding] : m_bindings) {
        if (command == "nop " + marker(id)) {
            logLine("⌨️ sway reported the hot key " + binding.combination);
            // sway reports the press only; the release follows at once, so the handlers that
            // wait for the key to go up run too.
            // Copies: a handler may unregister the hot key.
            const Callback onPress = binding.onPress;
            const Callback onRelease = binding.onRelease;
            if (onPress) {
                onPress();
            }
            if (onRelease) {
                onRelease();
            }
            return;
        }
    }
}

}  // namespace korrelang::platform::sway
