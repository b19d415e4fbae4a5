#pragma once

#include <optional>
#include <string>

#include "clock.h"
#include "conversion_way.h"
#include "main_thread.h"
#include "platform/platform.h"

namespace korrelang::service {

/// Converting in a terminal emulator, where every key reaches a shell or a running program.
///
/// Only BackSpace and a paste key are ever sent. The text comes from the terminal's accessible
/// text (VTE, Konsole): the mouse selection when the line before the cursor ends with it, else
/// the word that ends at the cursor. It is erased with BackSpace and the conversion pasted with
/// Control+Shift+V (the clipboard holding it), or with Shift+Insert (the mouse selection holding
/// it) where that one did nothing or the clipboard could not be saved whole. Both selections are
/// put back afterwards. A terminal that offers no accessible text (xterm) is declined without a
/// single key: nothing says whether a mouse selection ends at the cursor.
///
/// Runs on the background worker (the terminal fetches the pasted text from the main thread);
/// every desktop call except the clipboard snapshot hops to the main thread.
class TerminalWay final : public ConversionWay {
public:
    TerminalWay(const platform::Platform& platform, const MainThread& main, Clock& clock);

    std::string_view name() const override { return "terminal"; }
    ConversionEvents::Method method() const override { return ConversionEvents::Method::Clipboard; }
    bool needsWorker() const override { return true; }
    bool appliesTo(const ConversionPress& press) const override {
        return press.application() && press.application()->terminal;
    }
    Outcome attempt(ConversionPress& press) override;

    /// What to replace in a terminal line: `selection` when the line ends with it (one line, not
    /// empty), else the word the line ends with. Empty when the line ends in a blank: no text
    /// ends at the cursor.
    static std::string textToReplace(const std::string& line,
                                     const std::optional<std::string>& selection);

private:
    /// The line before the cursor in the focused terminal, or nothing when it offers no text.
    std::optional<std::string> readLine() const;
    /// Polls the line until it equals `expected`; false when it did not within the time limit.
    bool lineBecomes(const std::string& expected);
    /// Whether the line before the cursor is `expected`, blanks at the end aside.
    bool lineIs(const std::string& expected) const;
    /// The line once it has stopped changing.
    std::optional<std::string> settledLine() const;
    /// Pastes what the selections hold, with Control+Shift+V when `useClipboard` and then with
    /// Shift+Insert if the first pasted nothing; true when the line became `expectedLine`.
    bool paste(const std::string& expectedLine, bool useClipboard);
    /// After an incomplete erase that left `now` of the line `original`: pastes the erased part
    /// back. True when the line is the original again.
    bool putBack(const std::string& original, const std::string& now, bool useClipboard);
    bool sendKey(platform::KeyCode key, platform::Modifiers flags);
    /// Puts the mouse selection back, and the clipboard when it was used.
    void restore(const platform::ClipboardSnapshot& saved, bool clipboardToo);

    platform::Platform m_platform;
    const MainThread& m_main;
    Clock& m_clock;
};

}  // namespace korrelang::service
