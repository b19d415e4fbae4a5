#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "shortcut.h"
#include "shortcut_name.h"

namespace korrelang::platform {
class HotKeys;
}

namespace korrelang::shortcuts {

class GlobalShortcuts;

/// The recorder's state, independent of any toolkit: idle, showing the stored shortcut, or
/// recording, taking the next key combination. The view in front of it forwards focus changes
/// and key presses as evdev key codes with their modifiers.
///
/// While recording, the global hot keys are released, so that the stored shortcut reaches the
/// recorder instead of starting a conversion, and `recorderActive` is set.
class RecorderControl : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    Q_PROPERTY(QString placeholder READ placeholder NOTIFY recordingChanged)
    Q_PROPERTY(bool isRecording READ isRecording NOTIFY recordingChanged)

public:
    /// What the desktop is asked during recording.
    struct Host {
        std::function<void()> beep;
        /// Whether the desktop already uses `shortcut` (another program holds the key).
        std::function<bool(const Shortcut&)> isSystemShortcut;
        /// Shows the system-shortcut alert; true when the user chose to use the shortcut anyway.
        std::function<bool(const QString& message, const QString& informative)>
            confirmSystemShortcut;
        /// The evdev code of a native scan code (an X keycode); unset where there is none.
        std::function<std::optional<std::uint16_t>(std::uint32_t)> keyFromScanCode;
    };

    enum class Outcome { Consumed, PassedOn };

    /// `hotKeys` may be null (nothing is released while recording).
    RecorderControl(GlobalShortcuts& shortcuts, platform::HotKeys* hotKeys, Name name, Host host,
                    QObject* parent = nullptr);
    ~RecorderControl() override;

    /// The stored shortcut's text, or empty.
    QString text() const { return m_text; }
    QString placeholder() const;
    bool isRecording() const { return m_recording; }
    const Host& host() const { return m_host; }

    Q_INVOKABLE void startRecording();
    Q_INVOKABLE void endRecording();
    /// The clear button: stores no shortcut and keeps recording.
    Q_INVOKABLE void clear();
    /// A key went down while recording. Returns whether the view should let the key go on
    /// (Tab moves the focus) or swallow it.
    Outcome handleKeyDown(std::uint16_t keyCode, platform::Modifiers flags);

    /// F1 … F20.
    static bool isFunctionKey(std::uint16_t keyCode);

signals:
    void textChanged();
    void recordingChanged();
    /// After the user set or cleared the shortcut; `hasShortcut` is false after a clear.
    void shortcutChanged(bool hasShortcut);
    /// The view should give up the keyboard focus (recording ended by a key).
    void focusReleaseRequested();

private:
    void refreshText();
    void setText(const QString& text);
    bool isTakenElsewhere(const Shortcut& candidate);

    GlobalShortcuts& m_shortcuts;
    platform::HotKeys* m_hotKeys;
    Name m_name;
    Host m_host;
    QString m_text;
    bool m_recording = false;
};

}  // namespace korrelang::shortcuts
