#pragma once

#include <memory>

#include "active_window.h"
#include "platform/workspace.h"

namespace korrelang::platform::x11 {

/// The workspace on X11: the active window's application, desktop entries for names, the X bell,
/// the desktop's URL handler and syslog.
class X11Workspace : public Workspace {
public:
    explicit X11Workspace(std::shared_ptr<DisplayConnection> connection);

    std::optional<Application> frontmostApplication() const override;
    std::optional<std::string> applicationName(std::string_view id) const override;
    bool openAddress(std::string_view address) override;
    void beep() override;
    void systemLog(std::string_view line) override;

    /// The application identifier of a window: its GTK application id, else its WM_CLASS class.
    static std::string applicationID(const WindowInfo& window);

private:
    std::shared_ptr<DisplayConnection> m_connection;
    ActiveWindow m_activeWindow;
};

}  // namespace korrelang::platform::x11
