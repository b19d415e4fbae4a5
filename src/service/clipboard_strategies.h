#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
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
/// Runs on the background worker and waits fixed times between key presses; every desktop call
/// hops to the main thread. The user's clipboard, every format of it, is put back on every way
/// out, unless the user copied something new meanwhile.
class ClipboardStrategies {
public:
    /// Formats larger than this in total are not saved (and so cannot be restored).
    static constexpr std::size_t kSnapshotLimit = 64 * 1024 * 1024;

    ClipboardStrategies(const platform::Platform& platform, const MainThread& main, Clock& clock)
        : m_platform(platform), m_main(main), m_clock(clock) {}

    /// Selected text, else the line before the caret, else the whole field: copy, convert,
    /// paste.
    ConversionWay::Outcome convertViaClipboard(ConversionPress& conversion);
    /// The shorter procedure for slow applications: select the line, copy, convert, paste.
    ConversionWay::Outcome convertInSlowApp(ConversionPress& conversion);

    platform::ClipboardSnapshot saveClipboard();
    void restoreClipboard(const platform::ClipboardSnapshot& saved);
    /// Restores unless the clipboard holds neither `ours` nor any text this press put there
    /// since `saveClipboard` (then the user copied since).
    bool restoreUnlessReplaced(const platform::ClipboardSnapshot& saved, const std::string& ours);
    /// Puts `text` on the clipboard and waits until it reads back; false when it never does.
    bool putOnClipboard(const std::string& text, int waitMilliseconds);
    /// Whether the text last put on the clipboard was fetched by another program.
    bool textWasFetched();
    bool press(platform::KeyCode key, std::uint32_t flags);
    void wait(int milliseconds);

private:
    ConversionWay::Outcome convertClipboardText(ConversionPress& conversion,
                                                const std::string& text,
                                                const platform::ClipboardSnapshot& saved);
    /// Whether `copied` is what the application has selected (its PRIMARY selection), not text
    /// it copied without a selection.
    bool isSelected(const std::string& copied);
    /// Clears the clipboard, presses Copy after `clearWait` and reads it after `copyWait`, then
    /// for up to `lateCopyWait` more while it stays empty.
    std::optional<std::string> copySelection(int clearWait, int copyWait, const char* failureLine,
                                             int lateCopyWait = 0);

    platform::Platform m_platform;
    const MainThread& m_main;
    Clock& m_clock;
    /// What this press put on the clipboard, so that none of it is taken for the user's copy.
    std::vector<std::string> m_putTexts;
};

}  // namespace korrelang::service
