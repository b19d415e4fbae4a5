#include "sway_desktop.h"

#include "platform/atspi/atspi_accessibility.h"
#include "platform/log.h"
#include "platform/wayland/data_control_clipboard.h"
#include "platform/wayland/display_connection.h"
#include "platform/wayland/unavailable_key_interceptor.h"
#include "platform/wayland/virtual_keyboard_keys.h"
#include "platform/wayland/wayland_workspace.h"
#include "sway_hot_keys.h"
#include "sway_input_sources.h"
#include "sway_replies.h"

namespace korrelang::platform::sway {

namespace {

std::optional<wayland::WaylandWorkspace::FocusedWindow> focusedWindow(SwayIpc& ipc) {
    const auto reply = ipc.request(IpcType::getTree, {});
    const auto node = reply ? SwayReplies::focusedNode(*reply) : std::nullopt;
    if (!node) {
        return std::nullopt;
    }
    return wayland::WaylandWorkspace::FocusedWindow{node->appId, node->name, node->pid};
}

}  // namespace

struct SwayDesktop::Parts {
    explicit Parts(const std::string& socketPath)
        : ipc(socketPath), inputSources(socketPath), hotKeys(socketPath) {}

    std::optional<long> focusedProcess() {
        const auto window = focusedWindow(ipc);
        return window ? window->pid : std::nullopt;
    }

    SwayIpc ipc;
    std::shared_ptr<wayland::DisplayConnection> connection = wayland::DisplayConnection::open();
    SwayInputSources inputSources;
    atspi::AtspiAccessibility accessibility{[this] { return focusedProcess(); }};
    wayland::VirtualKeyboardKeys syntheticKeys{connection, [this] { return focusedProcess(); }};
    std::unique_ptr<Clipboard> clipboard = wayland::DataControlClipboard::create(connection);
    wayland::WaylandWorkspace workspace{[this] { return focusedWindow(ipc); }};
    SwayHotKeys hotKeys;
    wayland::UnavailableKeyInterceptor keyInterceptor;
};

SwayDesktop::SwayDesktop(const std::string& socketPath)
    : m_parts(std::make_unique<Parts>(socketPath)) {}

SwayDesktop::~SwayDesktop() = default;

bool SwayDesktop::isConnected() const {
    return m_parts->ipc.isOpen() && m_parts->connection && m_parts->clipboard &&
           m_parts->syntheticKeys.isAvailable();
}

Platform SwayDesktop::bundle() {
    return {m_parts->inputSources,  m_parts->accessibility, m_parts->syntheticKeys,
            *m_parts->clipboard,    m_parts->workspace,     m_parts->hotKeys,
            m_parts->keyInterceptor};
}

}  // namespace korrelang::platform::sway
