#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korrelang::platform {

/// What the clipboard and the mouse selection held at one moment, for putting them back later:
/// one representation of each kind (one text, one image, each other type).
struct ClipboardSnapshot {
    std::vector<std::pair<std::string, std::string>> formats;  ///< MIME type → bytes, in order
    /// The mouse selection (PRIMARY on X11), which selecting text with keys overwrites.
    std::vector<std::pair<std::string, std::string>> primary;
    /// Some format was left out: over the size cap, or not delivered within the time budget.
    bool truncated = false;
    bool empty() const { return formats.empty(); }
};

/// The desktop's clipboard (the CLIPBOARD selection on X11) and its mouse selection (PRIMARY).
/// Main thread only, except `snapshot`.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    /// The plain text on the clipboard, or nothing when it holds no text.
    virtual std::optional<std::string> text() const = 0;
    /// Puts `text` on the clipboard as its only content.
    virtual void setText(std::string_view text) = 0;
    /// Empties the clipboard.
    virtual void clear() = 0;
    /// Copies the clipboard and the mouse selection, each up to `maxBytes`; larger formats are
    /// left out and counted, and the whole takes at most a short time budget. Any thread may call
    /// it; the background worker should, since the owner of the clipboard may take its time.
    virtual ClipboardSnapshot snapshot(std::size_t maxBytes) const = 0;
    /// Puts a snapshot back, the mouse selection included; an empty snapshot clears the clipboard
    /// (an empty `primary`, the mouse selection).
    virtual void restore(const ClipboardSnapshot& snapshot) = 0;

    /// Puts only the mouse selection of a snapshot back; the clipboard stays as it is.
    virtual void restorePrimary(const ClipboardSnapshot& snapshot) = 0;
    /// The plain text of the mouse selection, or nothing.
    virtual std::optional<std::string> primaryText() const = 0;
    /// Makes `text` the mouse selection (what Shift+Insert and the middle button paste).
    virtual void setPrimaryText(std::string_view text) = 0;
    /// Whether another program has fetched the text last put there with `setText` (a paste has
    /// reached the clipboard); true where that cannot be told.
    virtual bool textWasFetched() const { return true; }
    /// From now on `textWasFetched` tells only of fetches after this call: a clipboard manager
    /// or a program watching the clipboard fetches each new text at once, long before a paste.
    virtual void forgetFetches() {}

    /// How many times a program (this one included) has taken the clipboard so far, or the mouse
    /// selection when `primary`: the mark to pass to `awaitNewText`. Any thread.
    virtual std::uint64_t claims(bool primary) const = 0;
    /// Waits, for at most `timeout`, until a program takes the clipboard (the mouse selection
    /// when `primary`) after `since` was counted, and returns its plain text; nothing when no
    /// program took it in time or it holds no text. For waiting on a copy made with keys, not
    /// a fixed time. The background worker only: the main thread may have to serve the text.
    virtual std::optional<std::string> awaitNewText(bool primary, std::uint64_t since,
                                                    std::chrono::milliseconds timeout) = 0;
};

}  // namespace korrelang::platform
