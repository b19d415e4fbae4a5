#include "kwin_desktop.h"

#include "fake_input_keys.h"
#include "kde_keyboard_layouts.h"
#include "kwin_active_window.h"
#include "platform/atspi/atspi_accessibility.h"
#include "platform/portal/global_shortcuts_portal.h"
#include "platform/wayland/data_control_clipboard.h"
#include "platform/wayland/display_connection.h"
#include "platform/wayland/unavailable_key_interceptor.h"
#include "platform/wayland/wayland_workspace.h"

namespace korrelang::platform::kwin {

namespace {

// KWin knows a window's application by its desktop file where it found one, else by its class.
std::optional<wayland::WaylandWorkspace::FocusedWindow> focusedWindow(
    const KwinActiveWindow& activeWindow) {
    const auto window = activeWindow.current();
    if (!window) {
        return std::nullopt;
    }
    return wayland::WaylandWorkspace::FocusedWindow{
        window->desktopFile.empty() ? window->resourceClass : window->desktopFile,
        window->resourceClass, window->processId};
}

}  // namespace

struct KwinDesktop::Parts {
    std::optional<long> activeProcess() const {
        const auto window = activeWindow.current();
        return window ? window->processId : std::nullopt;
    }

    KwinActiveWindow activeWindow;
    std::shared_ptr<wayland::DisplayConnection> connection = wayland::DisplayConnection::open();
    KdeKeyboardLayouts inputSources;
    atspi::AtspiAccessibility accessibility{[this] { return activeProcess(); }};
    FakeInputKeys syntheticKeys{[this] { return activeProcess(); }};
    std::unique_ptr<Clipboard> clipboard = wayland::DataControlClipboard::create(connection);
    wayland::WaylandWorkspace workspace{[this] { return focusedWindow(activeWindow); }};
    portal::GlobalShortcutsPortal hotKeys;
    wayland::UnavailableKeyInterceptor keyInterceptor;
};

KwinDesktop::KwinDesktop() : m_parts(std::make_unique<Parts>()) {}

KwinDesktop::~KwinDesktop() = default;

bool KwinDesktop::isConnected() const {
    return m_parts->activeWindow.isRunning() && m_parts->connection && m_parts->clipboard &&
           m_parts->syntheticKeys.isAvailable();
}

Platform KwinDesktop::bundle() {
    return {m_parts->inputSources,  m_parts->accessibility, m_parts->syntheticKeys,
            *m_parts->clipboard,    m_parts->workspace,     m_parts->hotKeys,
            m_parts->keyInterceptor};
}

}  // namespace korrelang::platform::kwin
