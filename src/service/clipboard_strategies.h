#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/clipboard.h"
#include "platform/key_codes.h"

namespace korrelang::service {

class HotkeyService;

/// Converting where the accessibility interface gives no text, or answers too slowly: make the
/// application copy the text with synthetic key presses, convert it, put the result on the
/// clipboard and make the application paste it.
///
/// Runs on the HotkeyService's background worker and waits fixed times between key presses;
/// every desktop call hops to the main thread. The user's clipboard, every format of it, is
/// put back on every way out, unless the user copied something new meanwhile.
class ClipboardStrategies {
public:
    /// Formats larger than this in total are not saved (and so cannot be restored).
    static constexpr std::size_t kSnapshotLimit = 64 * 1024 * 1024;

    explicit ClipboardStrategies(HotkeyService& service) : m_service(service) {}

    /// Whether the application answers the accessibility interface too slowly to ask it: its
    /// identifier or name contains one of the known ones (case-sensitive).
    static bool isSlowApp(std::string_view applicationID, std::string_view name);

    /// Selected text, else the line before the caret, else the whole field: copy, convert,
    /// paste. True when the result was pasted.
    bool convertViaClipboard();
    /// The shorter procedure for slow applications: select the line, copy, convert, paste.
    bool convertInSlowApp();

private:
    bool convertClipboardText(const std::string& text, const platform::ClipboardSnapshot& saved);
    /// Clears the clipboard, presses Copy after `clearWait` and reads it after `copyWait`.
    std::optional<std::string> copySelection(int clearWait, int copyWait, const char* failureLine);
    bool press(platform::KeyCode key, std::uint32_t flags);
    platform::ClipboardSnapshot saveClipboard();
    void restoreClipboard(const platform::ClipboardSnapshot& saved);
    /// Restores unless the clipboard no longer holds `ours` (the user copied since).
    bool restoreUnlessReplaced(const platform::ClipboardSnapshot& saved, const std::string& ours);
    void wait(int milliseconds);

    HotkeyService& m_service;
};

}  // namespace korrelang::service
