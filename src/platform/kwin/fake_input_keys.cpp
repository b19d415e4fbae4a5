#include "fake_input_keys.h"

#include <wayland-client.h>

#include <array>
#include <cstring>

#include "fake-input-client-protocol.h"
#include "platform/log.h"
#include "platform/process/terminal_process.h"
#include "platform/x11/key_intent.h"

namespace korrelang::platform::kwin {

namespace {

// Shift and Control, left and right, left Alt, left Super, and AltGr.
constexpr std::array<std::uint32_t, 7> kModifierKeys = {KEY_LEFTSHIFT, KEY_RIGHTSHIFT, KEY_LEFTCTRL,
                                                        KEY_RIGHTCTRL, KEY_LEFTALT,    KEY_LEFTMETA,
                                                        KEY_RIGHTALT};
constexpr std::uint32_t kVersion = 4;  // keyboard_key arrived in version 4

void global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
            std::uint32_t version) {
    auto* fakeInput = static_cast<org_kde_kwin_fake_input**>(data);
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 &&
        version >= kVersion) {
        *fakeInput = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, kVersion));
    }
}

void globalRemove(void*, wl_registry*, std::uint32_t) {}

constexpr wl_registry_listener kRegistryListener = {global, globalRemove};

}  // namespace

void FakeInputKeys::DisplayDeleter::operator()(wl_display* display) const {
    wl_display_disconnect(display);
}

FakeInputKeys::FakeInputKeys(ActiveProcess activeProcess)
    : m_activeProcess(std::move(activeProcess)), m_display(wl_display_connect(nullptr)) {
    if (!m_display) {
        logLine("❌ Cannot connect to the Wayland display for key presses");
        return;
    }
    wl_registry* registry = wl_display_get_registry(m_display.get());
    wl_registry_add_listener(registry, &kRegistryListener, &m_fakeInput);
    wl_display_roundtrip(m_display.get());
    wl_registry_destroy(registry);
    if (!m_fakeInput) {
        logLine(
            "❌ KWin does not offer fake input to this program: key presses (paste, terminals) "
            "are unavailable. Is the desktop file installed?");
        return;
    }
    org_kde_kwin_fake_input_authenticate(m_fakeInput, "Korrelang",
                                         "Paste converted text into the focused application");
    wl_display_roundtrip(m_display.get());
}

FakeInputKeys::~FakeInputKeys() {
    if (m_fakeInput) {
        org_kde_kwin_fake_input_destroy(m_fakeInput);
        wl_display_flush(m_display.get());
    }
}

void FakeInputKeys::send(std::uint32_t evdevCode, bool down) {
    org_kde_kwin_fake_input_keyboard_key(
        m_fakeInput, evdevCode,
        down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
}

bool FakeInputKeys::simulateKeyPress(KeyCode key, Modifiers flags) {
    const std::lock_guard lock(m_mutex);
    if (!m_fakeInput) {
        logLine("❌ Cannot send a key press: no fake input");
        return false;
    }
    const auto pid = m_activeProcess ? m_activeProcess() : std::nullopt;
    const bool terminal = pid && process::TerminalProcess::holdsPseudoTerminalMaster(*pid);
    const auto stroke = x11::KeyIntent::strokeFor(key, flags, terminal);
    if (!stroke) {
        return false;
    }
    // The compositor does not say which keys the user still holds: let go of every modifier, or
    // the application sees Control+Shift+V and pastes nothing. A release of a key that is up
    // changes nothing.
    for (const std::uint32_t modifier : kModifierKeys) {
        send(modifier, false);
    }
    stroke->play([this](KeyCode code, bool down) { send(code, down); });
    // The round trip makes sure the compositor has handled the keys before the caller goes on.
    return wl_display_roundtrip(m_display.get()) >= 0;
}

}  // namespace korrelang::platform::kwin
