#pragma once

#include <memory>
#include <string>

#include "platform/desktop.h"

namespace korrelang::platform::sway {

/// The back end for sway (and wlroots compositors that speak its IPC): layouts, hot keys and the
/// focused window over sway's IPC socket; the clipboard through data-control and keys through a
/// virtual keyboard on a Wayland connection of Korrelang's own; text through AT-SPI. Create it
/// once, on the main thread, after the QApplication.
class SwayDesktop : public Desktop {
public:
    explicit SwayDesktop(const std::string& socketPath);
    ~SwayDesktop() override;

    /// Whether the IPC socket, the compositor, its clipboard and a virtual keyboard are all
    /// there.
    bool isConnected() const override;
    Platform bundle() override;

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

}  // namespace korrelang::platform::sway
