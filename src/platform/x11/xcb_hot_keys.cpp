// Qt first: xcb's headers are harmless, but keep one order everywhere in this back end.
#include <QSocketNotifier>
#include <QTimer>

// xcb
#include <xcb/xcb.h>
// xkb.h names a member "explicit", a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <cstdlib>
#include <string>
#include <vector>

#include "modifier_masks.h"
#include "platform/log.h"
#include "x_keycode.h"
#include "xcb_hot_keys.h"

namespace korrelang::platform::x11 {

XcbHotKeys::XcbHotKeys() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        logLine("❌ Hot keys: cannot connect to the X display");
        return;
    }
    m_connection = connection;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;

    // Detectable auto-repeat: a held key sends presses only, no release in between.
    const auto use =
        xcb_xkb_use_extension(m_connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION);
    std::free(xcb_xkb_use_extension_reply(m_connection, use, nullptr));
    const auto flags = xcb_xkb_per_client_flags(
        m_connection, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT,
        XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT, 0, 0, 0);
    std::free(xcb_xkb_per_client_flags_reply(m_connection, flags, nullptr));

    m_notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(m_connection),
                                                   QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { readEvents(); });
}

XcbHotKeys::~XcbHotKeys() {
    m_notifier.reset();
    if (m_connection != nullptr) {
        xcb_disconnect(m_connection);
    }
}

void XcbHotKeys::drainLater() {
    // A blocking reply read may have pulled events off the socket into xcb's queue, where the
    // socket notifier cannot see them: look at the queue once the current work is done.
    QTimer::singleShot(0, m_notifier.get(), [this] { readEvents(); });
}

HotKeys::RegistrationStatus XcbHotKeys::grab(Entry& entry) {
    std::vector<std::uint16_t> done;
    RegistrationStatus status = RegistrationStatus::ok;
    for (const std::uint16_t mask : ModifierMasks::lockVariants(entry.mask)) {
        const auto cookie = xcb_grab_key_checked(m_connection, 1, m_root, mask, entry.keycode,
                                                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t* error = xcb_request_check(m_connection, cookie)) {
            status = error->error_code == XCB_ACCESS ? RegistrationStatus::taken
                                                     : RegistrationStatus::refused;
            if (status == RegistrationStatus::refused) {
                logLine("❌ The key grab failed with X error " +
                        std::to_string(int(error->error_code)));
            }
            std::free(error);
            break;
        }
        done.push_back(mask);
    }
    if (status != RegistrationStatus::ok) {
        // All variants or none: a half-grabbed key would work only with some locks on.
        for (const std::uint16_t mask : done) {
            xcb_ungrab_key(m_connection, entry.keycode, m_root, mask);
        }
        xcb_flush(m_connection);
        return status;
    }
    entry.grabbed = true;
    drainLater();
    return RegistrationStatus::ok;
}

void XcbHotKeys::ungrab(Entry& entry) {
    if (!entry.grabbed) {
        return;
    }
    for (const std::uint16_t mask : ModifierMasks::lockVariants(entry.mask)) {
        xcb_ungrab_key(m_connection, entry.keycode, m_root, mask);
    }
    xcb_flush(m_connection);
    entry.grabbed = false;
    entry.down = false;
}

HotKeys::Registration XcbHotKeys::registerHotKey(KeyCode key, Modifiers modifiers, Callback onPress,
                                                 Callback onRelease) {
    if (m_connection == nullptr) {
        return {0, RegistrationStatus::noDisplay};
    }
    const auto keycode = toXKeycode(key);
    if (!keycode) {
        return {0, RegistrationStatus::unknownKey};
    }
    Entry entry{*keycode, ModifierMasks::of(modifiers), std::move(onPress), std::move(onRelease)};
    if (!m_suspended) {
        if (const RegistrationStatus status = grab(entry); status != RegistrationStatus::ok) {
            logLine("❌ Hot key " + std::to_string(key) + " with modifiers " + modifiers.text() +
                    " could not be grabbed: " + statusName(status));
            return {0, status};
        }
    }
    const int id = m_nextId++;
    m_entries.emplace(id, std::move(entry));
    return {id, RegistrationStatus::ok};
}

void XcbHotKeys::unregisterHotKey(int id) {
    const auto it = m_entries.find(id);
    if (it == m_entries.end()) {
        return;
    }
    ungrab(it->second);
    m_entries.erase(it);
}

void XcbHotKeys::suspend() {
    m_suspended = true;
    for (auto& [id, entry] : m_entries) {
        ungrab(entry);
    }
}

bool XcbHotKeys::resume() {
    m_suspended = false;
    bool all = true;
    for (auto& [id, entry] : m_entries) {
        if (!entry.grabbed && grab(entry) != RegistrationStatus::ok) {
            all = false;
        }
    }
    return all;
}

void XcbHotKeys::readEvents() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
        handle(event);
        std::free(event);
    }
}

void XcbHotKeys::handle(const void* data) {
    const auto& event = *static_cast<const xcb_generic_event_t*>(data);
    const std::uint8_t type = event.response_type & 0x7f;
    if (type == XCB_KEY_PRESS) {
        const auto& press = reinterpret_cast<const xcb_key_press_event_t&>(event);
        for (auto& [id, entry] : m_entries) {
            if (entry.grabbed && entry.keycode == press.detail &&
                (press.state & ModifierMasks::relevant) == entry.mask) {
                // Auto-repeat sends more presses while the key is held: report the first.
                if (!entry.down) {
                    entry.down = true;
                    if (entry.onPress) {
                        entry.onPress();
                    }
                }
                return;
            }
        }
    } else if (type == XCB_KEY_RELEASE) {
        // The modifiers may have been let go first: match the key alone.
        const auto& release = reinterpret_cast<const xcb_key_release_event_t&>(event);
        for (auto& [id, entry] : m_entries) {
            if (entry.down && entry.keycode == release.detail) {
                entry.down = false;
                if (entry.onRelease) {
                    entry.onRelease();
                }
                return;
            }
        }
    } else if (type == XCB_MAPPING_NOTIFY) {
        // The keymap changed (a new keyboard, setxkbmap, new modifiers): renew the grabs of the
        // keys it touched. Remapping some other keycode (as typing tools do) leaves them be.
        const auto& change = reinterpret_cast<const xcb_mapping_notify_event_t&>(event);
        if (m_suspended || change.request == XCB_MAPPING_POINTER) {
            return;
        }
        for (auto& [id, entry] : m_entries) {
            const bool touched = change.request == XCB_MAPPING_MODIFIER ||
                                 (entry.keycode >= change.first_keycode &&
                                  entry.keycode < change.first_keycode + change.count);
            if (touched) {
                ungrab(entry);
                grab(entry);
            }
        }
    }
}

}  // namespace korrelang::platform::x11
