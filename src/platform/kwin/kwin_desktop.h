#pragma once

#include <memory>

#include "platform/desktop.h"

namespace korrelang::platform::kwin {

/// The back end for a KDE Plasma (KWin) Wayland session: layouts through KDE's keyboard service,
/// AT-SPI text, fake-input key presses, the data-control clipboard, the active window from a
/// KWin script, hot keys through the GlobalShortcuts portal. Create it once, on the main thread,
/// after the QApplication; it owns every implementation the bundle points at.
class KwinDesktop : public Desktop {
public:
    KwinDesktop();
    ~KwinDesktop() override;

    /// KWin ran the active-window script, and the clipboard and fake input are there.
    bool isConnected() const override;
    Platform bundle() override;

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

}  // namespace korrelang::platform::kwin
