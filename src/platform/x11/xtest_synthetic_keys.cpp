#include "xtest_synthetic_keys.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <array>
#include <string>
#include <thread>

#include "key_intent.h"
#include "platform/log.h"
#include "platform/process/terminal_process.h"
#include "x_keycode.h"

namespace korrelang::platform::x11 {

namespace {

constexpr XKeycode x(KeyCode key) {
    return static_cast<XKeycode>(key + kXKeycodeOffset);
}

// Shift, Control, Alt and Super, left and right, and the AltGr key of the evdev keymap (<LVL3>,
// which has no input code of its own).
constexpr std::array<XKeycode, 9> kModifierKeys = {
    x(KEY_LEFTSHIFT), x(KEY_RIGHTSHIFT), x(KEY_LEFTCTRL),
    x(KEY_RIGHTCTRL), x(KEY_LEFTALT),    x(KEY_RIGHTALT),
    x(KEY_LEFTMETA),  x(KEY_RIGHTMETA),  92};

bool isDown(const char (&keymap)[32], XKeycode key) {
    return (keymap[key / 8] & (1 << (key % 8))) != 0;
}

}  // namespace

XTestSyntheticKeys::XTestSyntheticKeys(std::chrono::milliseconds releaseWait)
    : m_connection(DisplayConnection::open()),
      m_activeWindow(m_connection),
      m_releaseWait(releaseWait) {}

void XTestSyntheticKeys::releaseHeldModifiers() {
    Display* display = m_connection->get();
    const auto deadline = std::chrono::steady_clock::now() + m_releaseWait;
    char keymap[32] = {};
    // Give the user a moment to let go of the hot key's modifiers...
    while (true) {
        XQueryKeymap(display, keymap);
        const bool held = std::any_of(kModifierKeys.begin(), kModifierKeys.end(),
                                      [&](XKeycode key) { return isDown(keymap, key); });
        if (!held || std::chrono::steady_clock::now() >= deadline) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // ...then release what is still down, or the application sees Control+Shift+V and pastes
    // nothing.
    for (const XKeycode key : kModifierKeys) {
        if (isDown(keymap, key)) {
            XTestFakeKeyEvent(display, key, False, CurrentTime);
        }
    }
    XSync(display, False);
}

bool XTestSyntheticKeys::simulateKeyPress(KeyCode key, Modifiers flags) {
    const std::lock_guard lock(m_mutex);
    if (!m_connection) {
        logLine("❌ Cannot send a key press: no X display");
        return false;
    }
    const auto window = m_activeWindow.query();
    const bool terminal =
        window && window->pid && process::TerminalProcess::holdsPseudoTerminalMaster(*window->pid);
    const auto stroke = KeyIntent::strokeFor(key, flags, terminal);
    if (!stroke) {
        return false;
    }
    if (!toXKeycode(stroke->key)) {
        logLine("❌ No key for key code " + std::to_string(key));
        return false;
    }
    releaseHeldModifiers();
    Display* display = m_connection->get();
    bool sent = true;
    stroke->play([&](KeyCode code, bool down) {
        sent = XTestFakeKeyEvent(display, x(code), down ? True : False, CurrentTime) != 0 && sent;
    });
    XSync(display, False);
    return sent;
}

}  // namespace korrelang::platform::x11
