#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/input_sources.h"
#include "platform/x11/layout_identifier.h"
#include "platform/x11/xkb_registry.h"
#include "sway_ipc.h"
#include "sway_replies.h"
#include "sway_subscription.h"

namespace korrelang::platform::sway {

/// Keyboard layouts in sway, over IPC: `get_inputs` lists them (by description, which the XKB
/// registry turns back into layout and variant, so identifiers are the same as on X11),
/// `xkb_switch_layout` selects one and the `input` events report changes. Main thread only.
class SwayInputSources : public InputSources {
public:
    explicit SwayInputSources(const std::string& socketPath);
    ~SwayInputSources() override;

    std::optional<std::vector<InputSource>> enabledSources() const override;
    std::optional<std::string> currentSourceID() const override;
    SelectStatus selectSource(std::string_view id) override;
    std::optional<std::string> keyText(KeyCode key) const override;
    void setChangeCallback(std::function<void()> callback) override;

private:
    struct Layouts {
        std::vector<x11::XkbLayout> layouts;
        int active = 0;
    };
    std::optional<Layouts> layouts() const;

    std::string m_socketPath;
    mutable SwayIpc m_ipc;
    x11::XkbRegistry m_registry;
    std::function<void()> m_changeCallback;
    std::unique_ptr<SwaySubscription> m_events;
};

}  // namespace korrelang::platform::sway
