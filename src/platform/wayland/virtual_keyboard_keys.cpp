#include "virtual_keyboard_keys.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <chrono>
#include <string>

#include "platform/log.h"
#include "platform/process/terminal_process.h"
#include "platform/x11/key_intent.h"
#include "platform/x11/x_keycode.h"
#include "platform/x11/xkb_handles.h"
#include "virtual-keyboard-unstable-v1-client-protocol.h"

namespace korrelang::platform::wayland {

namespace {

std::uint32_t milliseconds() {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

// The keymap as a file the compositor can map: a sealed-size memfd holding the text and its
// terminating zero.
int keymapFile(const std::string& text) {
    const int fd = memfd_create("korrelang-keymap", MFD_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    const std::size_t size = text.size() + 1;
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(fd, text.c_str() + written, size - written);
        if (n <= 0) {
            ::close(fd);
            return -1;
        }
        written += static_cast<std::size_t>(n);
    }
    return fd;
}

}  // namespace

struct VirtualKeyboardKeys::Keymap {
    x11::XkbContext context{xkb_context_new(XKB_CONTEXT_NO_FLAGS)};
    x11::XkbKeymap keymap;
    x11::XkbState state;
    std::string text;
};

VirtualKeyboardKeys::VirtualKeyboardKeys(std::shared_ptr<DisplayConnection> connection,
                                         FocusedProcess focusedProcess)
    : m_connection(std::move(connection)),
      m_focusedProcess(std::move(focusedProcess)),
      m_keymap(std::make_unique<Keymap>()) {
    if (!m_connection || !m_keymap->context) {
        return;
    }
    const xkb_rule_names names{"evdev", "pc105", "us", "", ""};
    m_keymap->keymap.reset(
        xkb_keymap_new_from_names(m_keymap->context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!m_keymap->keymap) {
        logLine("❌ Virtual keyboard: the US keymap could not be compiled");
        return;
    }
    m_keymap->state.reset(xkb_state_new(m_keymap->keymap.get()));
    char* text = xkb_keymap_get_as_string(m_keymap->keymap.get(), XKB_KEYMAP_FORMAT_TEXT_V1);
    m_keymap->text = text != nullptr ? text : "";
    std::free(text);
    m_connection->call([this] {
        auto* manager = static_cast<zwp_virtual_keyboard_manager_v1*>(m_connection->bind(
            "zwp_virtual_keyboard_manager_v1", &zwp_virtual_keyboard_manager_v1_interface, 1));
        if (manager == nullptr || m_connection->seat() == nullptr) {
            logLine("⚠️ Virtual keyboard: the compositor offers none; no synthetic keys");
            return;
        }
        m_keyboard =
            zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(manager, m_connection->seat());
        zwp_virtual_keyboard_manager_v1_destroy(manager);
        const int fd = keymapFile(m_keymap->text);
        if (fd < 0) {
            logLine("❌ Virtual keyboard: no memory file for the keymap");
            zwp_virtual_keyboard_v1_destroy(m_keyboard);
            m_keyboard = nullptr;
            return;
        }
        zwp_virtual_keyboard_v1_keymap(m_keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                       static_cast<std::uint32_t>(m_keymap->text.size() + 1));
        ::close(fd);
        if (wl_display_roundtrip(m_connection->display()) < 0) {
            logLine("❌ Virtual keyboard: refused by the compositor");
        }
    });
}

VirtualKeyboardKeys::~VirtualKeyboardKeys() {
    if (m_keyboard != nullptr) {
        m_connection->call([this] {
            zwp_virtual_keyboard_v1_destroy(m_keyboard);
            wl_display_flush(m_connection->display());
        });
    }
}

void VirtualKeyboardKeys::sendKey(std::uint32_t evdev, bool down) {
    zwp_virtual_keyboard_v1_key(
        m_keyboard, milliseconds(), evdev,
        down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
    xkb_state* state = m_keymap->state.get();
    xkb_state_update_key(state, evdev + x11::kXKeycodeOffset, down ? XKB_KEY_DOWN : XKB_KEY_UP);
    zwp_virtual_keyboard_v1_modifiers(
        m_keyboard, xkb_state_serialize_mods(state, XKB_STATE_MODS_DEPRESSED),
        xkb_state_serialize_mods(state, XKB_STATE_MODS_LATCHED),
        xkb_state_serialize_mods(state, XKB_STATE_MODS_LOCKED),
        xkb_state_serialize_layout(state, XKB_STATE_LAYOUT_EFFECTIVE));
}

bool VirtualKeyboardKeys::simulateKeyPress(KeyCode key, Modifiers flags) {
    const std::lock_guard lock(m_mutex);
    if (m_keyboard == nullptr) {
        logLine("❌ Cannot send a key press: no virtual keyboard");
        return false;
    }
    const auto pid = m_focusedProcess ? m_focusedProcess() : std::nullopt;
    const bool terminal = pid && process::TerminalProcess::holdsPseudoTerminalMaster(*pid);
    const auto stroke = x11::KeyIntent::strokeFor(key, flags, terminal);
    if (!stroke) {
        return false;
    }
    return m_connection->call([&] {
        stroke->play([this](KeyCode code, bool down) { sendKey(code, down); });
        // The compositor has the keys once it answers; the application gets them right after.
        wl_display_roundtrip(m_connection->display());
    });
}

}  // namespace korrelang::platform::wayland
