#include "gnome_workspace.h"

#include "platform/process/terminal_process.h"
#include "shell_extension.h"

namespace korrelang::platform::gnome {

std::optional<Application> GnomeWorkspace::frontmostApplication() const {
    const auto focused = m_extension.focusedApplication();
    if (!focused || focused->id.empty()) {
        return std::nullopt;
    }
    Application application;
    application.id = focused->id;
    application.name =
        applicationName(focused->id).value_or(focused->name.empty() ? focused->id : focused->name);
    application.processId = focused->pid;
    application.terminal =
        focused->pid && process::TerminalProcess::holdsPseudoTerminalMaster(*focused->pid);
    return application;
}

}  // namespace korrelang::platform::gnome
