#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "application_name_cache.h"
#include "platform/workspace.h"

namespace korrelang::platform::wayland {

/// The workspace on a Wayland compositor. Only the frontmost application differs between
/// compositors, so each back end passes its own lookup (nothing where the compositor does not
/// tell); names come from the desktop entries, addresses from the desktop's handler.
class WaylandWorkspace : public Workspace {
public:
    /// The focused window's application id (Wayland app_id, or the X11 class of an Xwayland
    /// window), its title-less name and its process.
    struct FocusedWindow {
        std::string appId;
        std::string fallbackName;
        std::optional<long> pid;
    };
    using FocusedWindowLookup = std::function<std::optional<FocusedWindow>()>;

    explicit WaylandWorkspace(FocusedWindowLookup focusedWindow);
    ~WaylandWorkspace() override;

    std::optional<Application> frontmostApplication() const override;
    std::optional<std::string> applicationName(std::string_view id) const override;
    bool openAddress(std::string_view address) override;
    void beep() override;
    void systemLog(std::string_view line) override;

private:
    FocusedWindowLookup m_focusedWindow;
    std::unique_ptr<Workspace> m_entries;  ///< desktop entries, addresses and the system log
    ApplicationNameCache m_names;
};

}  // namespace korrelang::platform::wayland
