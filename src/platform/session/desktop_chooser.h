#pragma once

#include <memory>
#include <string>

#include "platform/desktop.h"
#include "platform/input_sources.h"
#include "session_kind.h"

namespace korrelang::platform::session {

/// Creates the back end for a session. Run once, in the composition root.
class DesktopChooser {
public:
    /// The back end that serves a detected session: the session's own where this build has it,
    /// else X11 through Xwayland when DISPLAY is set, else none.
    static SessionKind served(SessionKind detected);
    /// A line for the log when the session is not served by its own back end; empty otherwise.
    static std::string fallbackNote(SessionKind detected, SessionKind served);
    /// The Qt platform plugin the back end needs ("wayland" or "xcb"), to be set before the
    /// QApplication exists.
    static const char* qtPlatform(SessionKind served);
    /// The back end itself, created after the QApplication; nothing for `none`.
    static std::unique_ptr<Desktop> create(SessionKind served);
    /// The layouts alone, for the command line (no QApplication needed).
    static std::unique_ptr<InputSources> inputSources(SessionKind served);
};

}  // namespace korrelang::platform::session
