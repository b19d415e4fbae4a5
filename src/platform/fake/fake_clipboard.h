#pragma once

#include "platform/clipboard.h"

namespace korrelang::platform::fake {

/// An in-memory clipboard of MIME formats.
class FakeClipboard : public Clipboard {
public:
    ClipboardSnapshot content;
    int writes = 0;

    std::optional<std::string> text() const override;
    void setText(std::string_view text) override;
    void clear() override;
    ClipboardSnapshot snapshot(std::size_t maxBytes) const override;
    void restore(const ClipboardSnapshot& snapshot) override;
};

}  // namespace korrelang::platform::fake
