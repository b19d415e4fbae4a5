#pragma once

#include <memory>

#include "display_connection.h"
#include "platform/clipboard.h"

namespace korrelang::platform::wayland {

/// The clipboard and the mouse selection of a Wayland session, reached from the background
/// through the data-control protocol (`ext_data_control_manager_v1` where the compositor offers
/// it, else `zwlr_data_control_manager_v1`): Qt's clipboard serves only a focused window.
///
/// Snapshots keep every format within the same limits as on X11; writes and restores offer the
/// content from Korrelang's own data source until another program takes the selection over.
/// Any thread may call it; the protocol objects live on the connection's thread.
class DataControlClipboard {
public:
    /// The clipboard, or nothing (logged) when the compositor offers no data-control protocol.
    static std::unique_ptr<Clipboard> create(std::shared_ptr<DisplayConnection> connection);
};

}  // namespace korrelang::platform::wayland
