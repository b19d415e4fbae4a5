#pragma once

#include <memory>

#include "display_connection.h"
#include "layout_identifier.h"
#include "platform/input_sources.h"
#include "xkb_registry.h"

class QSocketNotifier;

namespace korrelang::platform::x11 {

/// Keyboard layouts as XKB groups. The enabled layouts are the groups of `_XKB_RULES_NAMES`
/// (at most four, as XKB allows); the active one is the locked group.
class XkbInputSources : public InputSources {
public:
    /// Uses its own connection; without a display every query answers nothing.
    XkbInputSources();
    explicit XkbInputSources(std::shared_ptr<DisplayConnection> connection);
    ~XkbInputSources() override;

    std::optional<std::vector<InputSource>> enabledSources() const override;
    std::optional<std::string> currentSourceID() const override;
    SelectStatus selectSource(std::string_view id) override;
    std::optional<std::string> keyText(KeyCode key) const override;
    void setChangeCallback(std::function<void()> callback) override;

    /// The layouts and variants of the groups, in group order; nothing without a display or
    /// without the rules property.
    std::optional<std::vector<XkbLayout>> groupLayouts() const;
    /// The identifier and name of one group's layout.
    InputSource describe(const XkbLayout& layout) const { return describe(m_registry, layout); }
    /// The identifier and name of a layout, as every back end builds them.
    static InputSource describe(const XkbRegistry& registry, const XkbLayout& layout);

private:
    void readEvents();
    /// Xlib reads events off the socket while it waits for a reply; the socket notifier cannot see
    /// those, so they are looked at once the current work is done.
    void drainLater() const;
    std::optional<int> lockedGroup() const;

    std::shared_ptr<DisplayConnection> m_connection;
    XkbRegistry m_registry;
    std::function<void()> m_changeCallback;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace korrelang::platform::x11
