#pragma once

#include <optional>
#include <string>
#include <vector>

#include "session_kind.h"

namespace korrelang::platform::session {

/// The environment variables that describe the session.
struct SessionEnvironment {
    std::string sessionType;     ///< XDG_SESSION_TYPE
    std::string waylandDisplay;  ///< WAYLAND_DISPLAY
    std::string display;         ///< DISPLAY
    std::string currentDesktop;  ///< XDG_CURRENT_DESKTOP (colon-separated)
    std::string swaySocket;      ///< SWAYSOCK

    static SessionEnvironment fromProcess();
};

/// What the compositor showed when asked.
struct CompositorOffers {
    /// The interface names of the registry's globals; nothing when no connection was made.
    std::optional<std::vector<std::string>> globals;
    /// Whether sway's IPC socket answered a version request.
    bool swayAnswers = false;
};

/// Chooses the back end: first a guess from the environment alone, then a confirmation by what
/// the compositor offers. Pure functions, so every rule is testable without a session.
class SessionDetector {
public:
    /// The back end the environment points at. A session typed "x11" stays X11 even inside a
    /// Wayland compositor (a nested X server).
    static SessionKind guess(const SessionEnvironment& environment);
    /// The guess checked against the compositor: a Wayland guess without a reachable compositor
    /// falls back to X11 through Xwayland when DISPLAY is set; a compositor that does not show
    /// the guessed desktop's interfaces gets the generic Wayland back end, and an unknown one
    /// that shows them is recognised.
    static SessionKind confirm(SessionKind guess, const SessionEnvironment& environment,
                               const CompositorOffers& offers);
    /// What `detect` found, with a line for the log (written later, once the log exists).
    struct Detection {
        SessionKind kind = SessionKind::none;
        std::string description;
    };
    /// Both steps with the live environment and compositor.
    static Detection detect();
};

}  // namespace korrelang::platform::session
