#pragma once

#include "platform/clipboard.h"

namespace korrelang::platform::fake {

/// An in-memory clipboard of MIME formats; `content.primary` is the mouse selection.
class FakeClipboard : public Clipboard {
public:
    ClipboardSnapshot content;
    int writes = 0;

    std::optional<std::string> text() const override;
    void setText(std::string_view text) override;
    void clear() override;
    ClipboardSnapshot snapshot(std::size_t maxBytes) const override;
    void restore(const ClipboardSnapshot& snapshot) override;
    void restorePrimary(const ClipboardSnapshot& snapshot) override;
    std::optional<std::string> primaryText() const override;
    void setPrimaryText(std::string_view text) override;
};

}  // namespace korrelang::platform::fake
