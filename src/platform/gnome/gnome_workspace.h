#pragma once

#include "platform/workspace.h"
#include "platform/x11/x11_workspace.h"

namespace korrelang::platform::gnome {

class ShellExtension;

/// The workspace on GNOME: the focused application from the shell extension (nothing without
/// it), names from the desktop entries, addresses, the log. The compositor gives no beep.
class GnomeWorkspace : public Workspace {
public:
    explicit GnomeWorkspace(const ShellExtension& extension)
        : m_extension(extension), m_entries(nullptr) {}

    std::optional<Application> frontmostApplication() const override;
    std::optional<std::string> applicationName(std::string_view id) const override {
        return m_entries.applicationName(id);
    }
    bool openAddress(std::string_view address) override { return m_entries.openAddress(address); }
    void beep() override {}
    void systemLog(std::string_view line) override { m_entries.systemLog(line); }

private:
    const ShellExtension& m_extension;
    x11::X11Workspace m_entries;  ///< without a display: desktop entries, addresses, the log
};

}  // namespace korrelang::platform::gnome
