#pragma once

#include <QCoreApplication>
#include <QTemporaryDir>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/log_sink.h"
#include "platform/fake/fake_platform.h"
#include "service/clock.h"
#include "service/conversion_events.h"
#include "service/press_failure.h"

namespace korrelang::service::testing {

/// Waits take no time; the cycle's time limit moves only when a test advances the clock.
class FakeClock final : public Clock {
public:
    TimePoint now() const override { return TimePoint(std::chrono::milliseconds(m_ms.load())); }
    void sleep(std::chrono::milliseconds duration) override {
        m_ms += duration.count();
        m_slept += duration.count();
    }
    void advance(std::chrono::milliseconds duration) { m_ms += duration.count(); }
    long long slept() const { return m_slept.load(); }

private:
    std::atomic<long long> m_ms = 1'000'000;
    std::atomic<long long> m_slept = 0;
};

inline const char* reasonName(PressFailure reason) {
    static const char* const names[] = {"accessibility_denied", "no_selection", "detection_failed",
                                        "paste_failed"};
    return names[static_cast<int>(reason)];
}

class RecordingEvents final : public ConversionEvents {
public:
    std::vector<std::string> events;

    void conversionPerformed(const std::string& from, const std::string& to, int count,
                             Method method) override {
        events.push_back("performed " + from + "→" + to + " " + std::to_string(count) +
                         (method == Method::Accessibility ? " accessibility" : " clipboard"));
    }
    void conversionFailed(PressFailure reason) override {
        events.push_back(std::string("failed ") + reasonName(reason));
    }
    void keyboardCycleUsed(int position, const std::string& from, const std::string& to) override {
        events.push_back("cycle " + std::to_string(position) + " " + from + "→" + to);
    }
};

/// The reasons the user was told of, and the keyboard names given with the last.
class RecordingNotices final : public PressNotices {
public:
    std::vector<std::string> shown;
    std::vector<std::string> keyboardNames;
    void pressFailed(PressFailure reason, const std::vector<std::string>& names) override {
        shown.push_back(reasonName(reason));
        keyboardNames = names;
    }
};

/// An editor that acts on the intents of synthetic key presses: Copy puts its selection on the
/// clipboard (nothing when there is none, as GTK does), select-to-line-start, select-all, Paste
/// replaces the selection, Right collapses it. Positions are bytes: tests use it with text
/// whose every character is one code point, and only look at the text.
class ScriptedEditor final : public platform::SyntheticKeys {
public:
    explicit ScriptedEditor(platform::Clipboard& clipboard) : m_clipboard(clipboard) {}

    std::string text;
    std::size_t selectionStart = 0, selectionEnd = 0;  ///< code point indices
    std::vector<platform::fake::FakeSyntheticKeys::Press> presses;
    bool ignoresKeys = false;
    /// Copy without a selection copies the caret's whole line, newline included (KWrite).
    bool copiesLineWithoutSelection = false;
    std::function<void()> afterPaste;  ///< what the user does right after the paste
    /// When set, the keys act on this accessible field instead of `text`, its selection anchored
    /// at its end: Shift+Left and Shift+Right move its start, Shift+Home moves it to the line's
    /// start, Paste replaces it (whatever the field's accessible writes do), Right collapses it.
    std::shared_ptr<platform::fake::FakeTextElement> field;
    /// In the field, Home stops this many characters after the line's start (a Home that stops
    /// at the indentation, a wrapped line).
    long homeStopsAfter = 0;
    /// In the field, Home does nothing.
    bool ignoresHome = false;
    /// What the field makes of a paste (an application reformatting what arrives).
    std::function<std::string(const std::string&)> pasteFilter;
    /// Command+Z puts the field (or the text, selecting what the paste replaced) back as it was
    /// before the last paste.
    bool undoesPaste = false;
    /// Keys without Control wait until `deliverHeldKeys` while shortcuts act at once (Qt with its
    /// accessibility bridge on, which holds ordinary keys for a round trip to the registry).
    bool holdsPlainKeys = false;

    /// False: a desktop that takes no synthetic keys (every press fails).
    bool available = true;

    bool simulateKeyPress(platform::KeyCode key, platform::Modifiers flags) override;
    bool isAvailable() const override { return available; }
    /// Acts on the keys held so far, in order.
    void deliverHeldKeys();

private:
    /// The selection is also the PRIMARY one, as in X11 applications.
    void syncPrimary();

    bool act(platform::KeyCode key, platform::Modifiers flags);

    platform::Clipboard& m_clipboard;
    std::vector<platform::fake::FakeSyntheticKeys::Press> m_held;
    std::optional<std::string> m_beforePaste;
    std::optional<std::string> m_pastedOver;
    std::size_t m_pasteStart = 0;
};

}  // namespace korrelang::service::testing
