// Qt before Xlib: Xlib's macros break Qt's headers.
#include <QSocketNotifier>
#include <QTimer>

// X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <xkbcommon/xkbcommon.h>

#include <array>
#include <string>

#include "engine/unicode.h"
#include "error_trap.h"
#include "modifier_masks.h"
#include "platform/log.h"
#include "x11_key_interceptor.h"
#include "x_keycode.h"

namespace korrelang::platform::x11 {

namespace {

constexpr std::array<KeyCode, 26> kLetterKeys = {
    KEY_A, KEY_B, KEY_C, KEY_D, KEY_E, KEY_F, KEY_G, KEY_H, KEY_I, KEY_J, KEY_K, KEY_L, KEY_M,
    KEY_N, KEY_O, KEY_P, KEY_Q, KEY_R, KEY_S, KEY_T, KEY_U, KEY_V, KEY_W, KEY_X, KEY_Y, KEY_Z};

// The highest keycode without any keysym: typing through it disturbs no real key.
int findSpareKeycode(Display* display) {
    int minimum = 0;
    int maximum = 0;
    XDisplayKeycodes(display, &minimum, &maximum);
    int perKeycode = 0;
    KeySym* map = XGetKeyboardMapping(display, static_cast<::KeyCode>(minimum),
                                      maximum - minimum + 1, &perKeycode);
    if (map == nullptr) {
        return 0;
    }
    int spare = 0;
    for (int keycode = maximum; keycode >= minimum && spare == 0; --keycode) {
        bool empty = true;
        for (int i = 0; i < perKeycode; ++i) {
            empty = empty && map[(keycode - minimum) * perKeycode + i] == NoSymbol;
        }
        if (empty) {
            spare = keycode;
        }
    }
    XFree(map);
    return spare;
}

}  // namespace

X11KeyInterceptor::X11KeyInterceptor()
    : m_connection(DisplayConnection::open()), m_layouts(DisplayConnection::open()) {}

X11KeyInterceptor::~X11KeyInterceptor() {
    stop();
}

bool X11KeyInterceptor::setGrabbed(bool grabbed) {
    if (grabbed == m_grabbed) {
        return true;
    }
    Display* display = m_connection->get();
    const Window root = m_connection->root();
    ErrorTrap trap(display);
    for (const KeyCode key : kLetterKeys) {
        const auto xKey = toXKeycode(key);
        for (const auto mask : ModifierMasks::lockVariants(ModifierMasks::shift)) {
            if (grabbed) {
                // The keyboard freezes on a press until we replay or swallow it.
                XGrabKey(display, *xKey, mask, root, False, GrabModeAsync, GrabModeSync);
            } else {
                XUngrabKey(display, *xKey, mask, root);
            }
        }
    }
    if (grabbed && trap.errorCode() != 0) {
        for (const KeyCode key : kLetterKeys) {
            for (const auto mask : ModifierMasks::lockVariants(ModifierMasks::shift)) {
                XUngrabKey(display, *toXKeycode(key), mask, root);
            }
        }
        logLine("❌ Shift+letter keys are taken by another program");
        return false;
    }
    m_grabbed = grabbed;
    return true;
}

bool X11KeyInterceptor::start(LayoutFilter filter, Handler handler) {
    if (m_running) {
        return true;
    }
    if (!m_connection || !filter || !handler) {
        return false;
    }
    // Fail now, not at the first layout change, when another program holds the keys.
    if (!setGrabbed(true)) {
        return false;
    }
    m_filter = std::move(filter);
    m_handler = std::move(handler);
    m_running = true;
    m_notifier = std::make_unique<QSocketNotifier>(ConnectionNumber(m_connection->get()),
                                                   QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { readEvents(); });
    m_layouts.setChangeCallback([this] { updateGrab(); });
    updateGrab();
    return true;
}

void X11KeyInterceptor::stop() {
    if (!m_running) {
        return;
    }
    m_layouts.setChangeCallback({});
    m_running = false;
    readEvents();  // answers a press that froze the keyboard before we let go
    m_notifier.reset();
    setGrabbed(false);
    if (m_spareKeycode != 0) {
        KeySym none = NoSymbol;
        XChangeKeyboardMapping(m_connection->get(), m_spareKeycode, 1, &none, 1);
        XSync(m_connection->get(), False);
    }
    m_filter = {};
    m_handler = {};
}

void X11KeyInterceptor::updateGrab() {
    if (!m_running) {
        return;
    }
    const auto layout = m_layouts.currentSourceID();
    setGrabbed(layout && m_filter(*layout));
    // Changing the grabs waited for the server, and Xlib may have read a key press meanwhile,
    // which the socket notifier will not report; the keyboard stays frozen until it is answered.
    if (XQLength(m_connection->get()) > 0) {
        QTimer::singleShot(0, m_notifier.get(), [this] { readEvents(); });
    }
}

bool X11KeyInterceptor::typeText(const std::string& text) {
    Display* display = m_connection->get();
    if (m_spareKeycode == 0) {
        m_spareKeycode = findSpareKeycode(display);
        if (m_spareKeycode == 0) {
            logLine("❌ No spare keycode to type with");
            return false;
        }
    }
    std::size_t offset = 0;
    while (offset < text.size()) {
        // One code point at a time.
        std::size_t end = offset + 1;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            ++end;
        }
        const char32_t codePoint =
            engine::unicode::firstCodePoint(text.substr(offset, end - offset));
        offset = end;
        KeySym syms[2];
        syms[0] = syms[1] = xkb_utf32_to_keysym(static_cast<std::uint32_t>(codePoint));
        XChangeKeyboardMapping(display, m_spareKeycode, 2, syms, 1);
        XSync(display, False);
        XTestFakeKeyEvent(display, static_cast<unsigned>(m_spareKeycode), True, CurrentTime);
        XTestFakeKeyEvent(display, static_cast<unsigned>(m_spareKeycode), False, CurrentTime);
        XSync(display, False);
    }
    return true;
}

void X11KeyInterceptor::readEvents() {
    Display* display = m_connection->get();
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != KeyPress) {
            continue;
        }
        const XKeyEvent& press = event.xkey;
        if (!m_running) {
            // The keyboard is frozen until we answer: never leave a press unanswered.
            XAllowEvents(display, ReplayKeyboard, press.time);
            XFlush(display);
            continue;
        }
        const auto key = fromXKeycode(static_cast<XKeycode>(press.keycode));
        Modifiers flags = Modifier::Shift;
        if ((press.state & LockMask) != 0) {
            flags |= Modifier::CapsLock;
        }
        const auto replacement = key ? m_handler(*key, flags) : std::nullopt;
        if (!replacement) {
            XAllowEvents(display, ReplayKeyboard, press.time);
            XFlush(display);
            continue;
        }
        // Let go of the keyboard first, or the typed key would come back to us.
        XAllowEvents(display, AsyncKeyboard, press.time);
        XUngrabKeyboard(display, press.time);
        XSync(display, False);
        typeText(*replacement);
    }
}

}  // namespace korrelang::platform::x11
