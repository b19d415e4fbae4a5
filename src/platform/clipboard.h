#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korrelang::platform {

/// Every format the clipboard held at one moment, for putting it back later.
struct ClipboardSnapshot {
    std::vector<std::pair<std::string, std::string>> formats;  ///< MIME type → bytes, in order
    bool truncated = false;  ///< some format exceeded the size cap and was left out
    bool empty() const { return formats.empty(); }
};

/// The desktop's clipboard (the CLIPBOARD selection on X11). Main thread only.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    /// The plain text on the clipboard, or nothing when it holds no text.
    virtual std::optional<std::string> text() const = 0;
    /// Puts `text` on the clipboard as its only content.
    virtual void setText(std::string_view text) = 0;
    /// Empties the clipboard.
    virtual void clear() = 0;
    /// Copies every format up to `maxBytes` in total; larger formats are left out and counted.
    virtual ClipboardSnapshot snapshot(std::size_t maxBytes) const = 0;
    /// Puts a snapshot back; an empty snapshot clears the clipboard.
    virtual void restore(const ClipboardSnapshot& snapshot) = 0;
};

}  // namespace korrelang::platform
