#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "clock.h"
#include "conversion_way.h"
#include "main_thread.h"
#include "platform/platform.h"

namespace korrelang::service {

/// Converting where the accessibility interface gives no text, or answers too slowly: make the
/// application copy the text with synthetic key presses, convert it, put the result on the
/// clipboard and make the application paste it. The procedures behind ClipboardWay and
/// SlowAppWay, and the clipboard handling that PasteWay shares.
///
/// Runs on the background worker and waits for the application's answers (its claims of the
/// clipboard and of the mouse selection, its fetch of a paste) within bounded times; every
/// desktop call but those waits hops to the main thread. Nothing is written over a clipboard
/// that could not be saved whole; the user's clipboard, every format of it, is put back on every
/// way out, unless the user copied something new meanwhile.
class ClipboardStrategies {
public:
    /// Formats larger than this in total are not saved (and so cannot be restored).
    static constexpr std::size_t kSnapshotLimit = 64 * 1024 * 1024;
    /// Longest paste checked by selecting it back, one key press per character.
    static constexpr long kMaxVerifiedCharacters = 2000;

    ClipboardStrategies(const platform::Platform& platform, const MainThread& main, Clock& clock)
        : m_platform(platform), m_main(main), m_clock(clock) {}

    /// Selected text, else the line before the caret, else the whole field: copy, convert,
    /// paste.
    ConversionWay::Outcome convertViaClipboard(ConversionPress& conversion);
    /// The shorter procedure for slow applications: select the line, copy, convert, paste.
    ConversionWay::Outcome convertInSlowApp(ConversionPress& conversion);

    /// The user's clipboard and mouse selection; nothing (logged) when some format of them could
    /// not be saved, and then the caller must not write over the clipboard.
    std::optional<platform::ClipboardSnapshot> saveClipboard();
    void restoreClipboard(const platform::ClipboardSnapshot& saved);
    /// Restores unless the clipboard holds neither `ours` nor any text this press put there
    /// since `saveClipboard` (then the user copied since).
    bool restoreUnlessReplaced(const platform::ClipboardSnapshot& saved, const std::string& ours);
    /// Puts `text` on the clipboard and waits until it reads back; false when it never does.
    bool putOnClipboard(const std::string& text, int waitMilliseconds);
    /// Whether the text last put on the clipboard was fetched by another program since the paste
    /// key was pressed.
    bool textWasFetched();
    /// Presses the application's paste key; fetches of the clipboard made before it no longer
    /// count.
    bool pressPaste();
    /// Presses a key `times` times in one hop to the main thread; whether every press was sent.
    bool press(platform::KeyCode key, platform::Modifiers flags, long times = 1);
    /// Whether key presses can be sent at all on this desktop now. Main thread.
    bool canPressKeys() const { return m_platform.syntheticKeys.isAvailable(); }
    void wait(int milliseconds);
    Clock& clock() { return m_clock; }

private:
    ConversionWay::Outcome convertClipboardText(ConversionPress& conversion,
                                                const std::string& text,
                                                const platform::ClipboardSnapshot& saved);
    /// Whether `copied` is what the application has selected (its PRIMARY selection), not text
    /// it copied without a selection.
    bool isSelected(const std::string& copied);
    /// Presses Copy and returns what the application puts on the clipboard within `timeout`.
    std::optional<std::string> copySelection(std::chrono::milliseconds timeout,
                                             const char* failureLine);
    /// Presses a selecting key and returns what the application then makes its selection.
    std::optional<std::string> selectWith(platform::KeyCode key, platform::Modifiers flags,
                                          const char* failureLine);
    /// Waits, within a bounded time, until the application's selection (its mouse selection)
    /// reads `expected` after `since` was counted; false when it never did.
    bool awaitSelection(const std::string& expected, std::uint64_t since);
    /// Waits until the application fetched the text put there to paste; false when it never did.
    bool awaitFetch();
    /// Selects the `pasted` text back and copies it: `written` when it is what was pasted,
    /// `writtenUnverified` when nothing came back or the clipboard was taken since `ownClaim`
    /// (the user copied: copying back would lose that), else the paste is undone.
    ConversionWay::Outcome verifyPaste(ConversionPress& conversion, const std::string& pasted,
                                       const std::string& original, std::uint64_t ownClaim);

    platform::Platform m_platform;
    const MainThread& m_main;
    Clock& m_clock;
    /// What this press put on the clipboard, so that none of it is taken for the user's copy.
    std::vector<std::string> m_putTexts;
    /// What the application copied during this press (worker only).
    std::vector<std::string> m_copies;

    static constexpr std::chrono::milliseconds kCopyTimeout{250};
    /// Where this program selected the text, a busy application may still copy late.
    static constexpr std::chrono::milliseconds kLateCopyTimeout{800};
    /// Paid only where nothing gets selected (the caret at the start of a line, an empty field).
    static constexpr std::chrono::milliseconds kSelectTimeout{800};
    static constexpr std::chrono::milliseconds kPollInterval{5};
    static constexpr std::chrono::milliseconds kFetchTime{2000};
    static constexpr int kAfterFetchMilliseconds = 20;
};

}  // namespace korrelang::service
