#pragma once

#include <map>
#include <memory>

#include "platform/hot_keys.h"

class QSocketNotifier;
struct xcb_connection_t;

namespace korrelang::platform::x11 {

/// Global hot keys as passive key grabs on the root window, on a connection of their own that the
/// Qt event loop reads. Every Caps Lock / Num Lock variant is grabbed; with detectable auto-repeat
/// a held key reports one press. A key another client holds fails with RegistrationStatus::taken.
class XcbHotKeys : public HotKeys {
public:
    XcbHotKeys();
    ~XcbHotKeys() override;
    XcbHotKeys(const XcbHotKeys&) = delete;
    XcbHotKeys& operator=(const XcbHotKeys&) = delete;

    Registration registerHotKey(KeyCode key, Modifiers modifiers, Callback onPress,
                                Callback onRelease) override;
    void unregisterHotKey(int id) override;
    void suspend() override;
    bool resume() override;

private:
    struct Entry {
        std::uint8_t keycode = 0;
        std::uint16_t mask = 0;
        Callback onPress;
        Callback onRelease;
        bool grabbed = false;
        bool down = false;
    };

    RegistrationStatus grab(Entry& entry);
    void ungrab(Entry& entry);
    void readEvents();
    void drainLater();
    /// One event from the connection (an xcb_generic_event_t).
    void handle(const void* event);

    xcb_connection_t* m_connection = nullptr;
    std::uint32_t m_root = 0;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::map<int, Entry> m_entries;
    int m_nextId = 1;
    bool m_suspended = false;
};

}  // namespace korrelang::platform::x11
