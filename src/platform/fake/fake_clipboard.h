#pragma once

#include <functional>

#include "platform/clipboard.h"

namespace korrelang::platform::fake {

/// An in-memory clipboard of MIME formats; `content.primary` is the mouse selection.
class FakeClipboard : public Clipboard {
public:
    ClipboardSnapshot content;
    int writes = 0;
    /// Claims of the clipboard and of the mouse selection: every write that leaves content.
    std::uint64_t clipboardClaims = 0;
    std::uint64_t primaryClaims = 0;
    /// Runs whenever `awaitNewText` waits: what other programs do meanwhile.
    std::function<void()> whileWaiting;

    std::optional<std::string> text() const override;
    void setText(std::string_view text) override;
    void clear() override;
    ClipboardSnapshot snapshot(std::size_t maxBytes) const override;
    void restore(const ClipboardSnapshot& snapshot) override;
    void restorePrimary(const ClipboardSnapshot& snapshot) override;
    std::optional<std::string> primaryText() const override;
    void setPrimaryText(std::string_view text) override;
    std::uint64_t claims(bool primary) const override;
    /// At once, after `whileWaiting`: the text when a claim came after `since`, else nothing.
    std::optional<std::string> awaitNewText(bool primary, std::uint64_t since,
                                            std::chrono::milliseconds timeout) override;
};

}  // namespace korrelang::platform::fake
