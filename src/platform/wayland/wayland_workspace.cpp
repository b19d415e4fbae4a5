#include "wayland_workspace.h"

#include <QStandardPaths>

#include "platform/process/terminal_process.h"
#include "platform/x11/x11_workspace.h"

namespace korrelang::platform::wayland {

WaylandWorkspace::WaylandWorkspace(FocusedWindowLookup focusedWindow)
    // Without a display the X11 workspace still reads desktop entries, opens addresses and logs.
    : m_focusedWindow(std::move(focusedWindow)),
      m_entries(std::make_unique<x11::X11Workspace>(nullptr)),
      m_names([this](std::string_view id) { return m_entries->applicationName(id); },
              [] {
                  std::vector<std::string> folders;
                  for (const QString& folder :
                       QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
                      folders.push_back(folder.toStdString());
                  }
                  return folders;
              }) {}

WaylandWorkspace::~WaylandWorkspace() = default;

std::optional<Application> WaylandWorkspace::frontmostApplication() const {
    const auto window = m_focusedWindow ? m_focusedWindow() : std::nullopt;
    if (!window || window->appId.empty()) {
        return std::nullopt;
    }
    Application application;
    application.id = window->appId;
    application.name =
        applicationName(application.id)
            .value_or(window->fallbackName.empty() ? application.id : window->fallbackName);
    application.processId = window->pid;
    application.terminal =
        window->pid && process::TerminalProcess::holdsPseudoTerminalMaster(*window->pid);
    return application;
}

std::optional<std::string> WaylandWorkspace::applicationName(std::string_view id) const {
    return m_names.name(id);
}

bool WaylandWorkspace::openAddress(std::string_view address) {
    return m_entries->openAddress(address);
}

void WaylandWorkspace::beep() {
    // Wayland 1.21 has no bell request for a client without a surface; the alerts say the rest.
}

void WaylandWorkspace::systemLog(std::string_view line) {
    m_entries->systemLog(line);
}

}  // namespace korrelang::platform::wayland
