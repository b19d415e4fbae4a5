#include "linux_desktop.h"

#include "platform/atspi/atspi_accessibility.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/x11/active_window.h"
#include "platform/x11/x11_key_interceptor.h"
#include "platform/x11/x11_workspace.h"
#include "platform/x11/xcb_hot_keys.h"
#include "platform/x11/xkb_input_sources.h"
#include "platform/x11/xtest_synthetic_keys.h"

namespace korrelang::platform::linux_desktop {

struct LinuxDesktop::Parts {
    std::shared_ptr<x11::DisplayConnection> display = x11::DisplayConnection::open();
    x11::ActiveWindow activeWindow{display};
    x11::XkbInputSources inputSources{display};
    atspi::AtspiAccessibility accessibility{[this]() -> std::optional<long> {
        const auto window = activeWindow.query();
        return window ? window->pid : std::nullopt;
    }};
    x11::XTestSyntheticKeys syntheticKeys;
    qt::QtClipboard clipboard;
    x11::X11Workspace workspace{display};
    x11::XcbHotKeys hotKeys;
    x11::X11KeyInterceptor keyInterceptor;
};

LinuxDesktop::LinuxDesktop() : m_parts(std::make_unique<Parts>()) {}

LinuxDesktop::~LinuxDesktop() = default;

bool LinuxDesktop::isConnected() const {
    return m_parts->display != nullptr;
}

Platform LinuxDesktop::bundle() {
    return {m_parts->inputSources,  m_parts->accessibility, m_parts->syntheticKeys,
            m_parts->clipboard,     m_parts->workspace,     m_parts->hotKeys,
            m_parts->keyInterceptor};
}

}  // namespace korrelang::platform::linux_desktop
