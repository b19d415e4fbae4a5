#include "recorder_control.h"

#include <algorithm>
#include <array>

#include "accelerator.h"
#include "global_shortcuts.h"
#include "platform/hot_keys.h"
#include "recorder_strings.h"

namespace korrelang::shortcuts {

namespace {

using platform::Modifier;

constexpr std::array<std::uint16_t, 20> kFunctionKeys{
    KEY_F1,  KEY_F2,  KEY_F3,  KEY_F4,  KEY_F5,  KEY_F6,  KEY_F7,  KEY_F8,  KEY_F9,  KEY_F10,
    KEY_F11, KEY_F12, KEY_F13, KEY_F14, KEY_F15, KEY_F16, KEY_F17, KEY_F18, KEY_F19, KEY_F20};

}  // namespace

RecorderControl::RecorderControl(GlobalShortcuts& shortcuts, platform::HotKeys* hotKeys, Name name,
                                 Host host, QObject* parent)
    : QObject(parent),
      m_shortcuts(shortcuts),
      m_hotKeys(hotKeys),
      m_name(std::move(name)),
      m_host(std::move(host)) {
    connect(&m_shortcuts, &GlobalShortcuts::shortcutByNameDidChange, this,
            [this](const QString& changed) {
                if (changed.toStdString() == m_name.rawValue) {
                    refreshText();
                }
            });
    refreshText();
}

RecorderControl::~RecorderControl() {
    endRecording();
}

QString RecorderControl::placeholder() const {
    return RecorderStrings::text(m_recording ? "press_shortcut" : "record_shortcut");
}

bool RecorderControl::isFunctionKey(std::uint16_t keyCode) {
    return std::find(kFunctionKeys.begin(), kFunctionKeys.end(), keyCode) != kFunctionKeys.end();
}

void RecorderControl::startRecording() {
    if (m_recording) {
        return;
    }
    m_recording = true;
    if (m_hotKeys) {
        m_hotKeys->suspend();
    }
    m_shortcuts.setRecorderActive(true);
    emit recordingChanged();
}

void RecorderControl::endRecording() {
    if (!m_recording) {
        return;
    }
    m_recording = false;
    if (m_hotKeys) {
        m_hotKeys->resume();
    }
    m_shortcuts.setRecorderActive(false);
    emit recordingChanged();
}

void RecorderControl::clear() {
    setText({});
    m_shortcuts.storeShortcut(std::nullopt, m_name);
    emit shortcutChanged(false);
    startRecording();
}

RecorderControl::Outcome RecorderControl::handleKeyDown(std::uint16_t keyCode,
                                                        platform::Modifiers flags) {
    if (!m_recording) {
        return Outcome::PassedOn;
    }
    const platform::Modifiers modifiers = flags.held();
    if (modifiers.empty()) {
        if (keyCode == KEY_TAB) {
            endRecording();
            return Outcome::PassedOn;
        }
        if (keyCode == KEY_ESC) {
            endRecording();
            emit focusReleaseRequested();
            return Outcome::Consumed;
        }
        if (keyCode == KEY_BACKSPACE || keyCode == KEY_DELETE) {
            clear();
            return Outcome::Consumed;
        }
    }
    const bool plain = !(modifiers & (Modifier::Control | Modifier::Alt | Modifier::Super)) &&
                       !isFunctionKey(keyCode);
    // A plain letter (or Shift with one) would take the key from every text field; a key without
    // a name on the US layout cannot be written down as an accelerator.
    if (plain || !Accelerator::of(Shortcut::of(keyCode, modifiers))) {
        if (m_host.beep) {
            m_host.beep();
        }
        return Outcome::Consumed;
    }
    const Shortcut candidate = Shortcut::of(keyCode, modifiers);

    const bool bareF12 = keyCode == KEY_F12 && modifiers.empty();
    if (!bareF12 && isTakenElsewhere(candidate)) {
        endRecording();
        const bool useAnyway = m_host.confirmSystemShortcut &&
                               m_host.confirmSystemShortcut(
                                   RecorderStrings::text("keyboard_shortcut_used_by_system"),
                                   RecorderStrings::text("keyboard_shortcuts_can_be_changed"));
        startRecording();
        if (!useAnyway) {
            return Outcome::Consumed;
        }
    }

    setText(QString::fromStdString(m_shortcuts.description(candidate)));
    m_shortcuts.storeShortcut(candidate, m_name);
    emit shortcutChanged(true);
    endRecording();
    emit focusReleaseRequested();
    return Outcome::Consumed;
}

bool RecorderControl::isTakenElsewhere(const Shortcut& candidate) {
    // Our own registration is no conflict: storing it again moves the grab.
    if (!m_host.isSystemShortcut || m_shortcuts.isRegistered(candidate)) {
        return false;
    }
    // The probe needs the grabs live: while they are released every key looks free.
    if (m_hotKeys) {
        m_hotKeys->resume();
    }
    const bool taken = m_host.isSystemShortcut(candidate);
    if (m_hotKeys && m_recording) {
        m_hotKeys->suspend();
    }
    return taken;
}

void RecorderControl::refreshText() {
    const auto shortcut = m_shortcuts.shortcutFor(m_name);
    setText(shortcut ? QString::fromStdString(m_shortcuts.description(*shortcut)) : QString());
}

void RecorderControl::setText(const QString& text) {
    if (text == m_text) {
        return;
    }
    m_text = text;
    emit textChanged();
}

}  // namespace korrelang::shortcuts
