#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korrelang::platform {

/// The application a window belongs to.
struct Application {
    std::string id;    ///< application identifier ("org.xfce.mousepad", or the window class)
    std::string name;  ///< human-readable name ("Mousepad")
    /// The process that owns the window, when the window manager tells it (`_NET_WM_PID`).
    std::optional<long> processId{};
    /// A terminal emulator (its process holds a pseudo-terminal master): keys sent to it reach a
    /// shell or a running program.
    bool terminal = false;
    bool operator==(const Application&) const = default;
};

/// The desktop around the program: the frontmost application, opening addresses, the beep and
/// the system log. Main thread only.
class Workspace {
public:
    virtual ~Workspace() = default;

    /// The application of the active window, or nothing when no window is active.
    virtual std::optional<Application> frontmostApplication() const = 0;
    /// The human-readable name of an installed application, or nothing when none is found.
    virtual std::optional<std::string> applicationName(std::string_view id) const = 0;
    /// Opens an address with the desktop's handler; false when no handler took it.
    virtual bool openAddress(std::string_view address) = 0;
    virtual void beep() = 0;
    /// Writes one line to the system log. Never pass the user's text.
    virtual void systemLog(std::string_view line) = 0;
};

}  // namespace korrelang::platform
