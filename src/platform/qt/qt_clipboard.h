#pragma once

#include "platform/clipboard.h"

namespace korrelang::platform::qt {

/// The CLIPBOARD selection through QClipboard. Needs a QGuiApplication; main thread only.
class QtClipboard : public Clipboard {
public:
    std::optional<std::string> text() const override;
    void setText(std::string_view text) override;
    void clear() override;
    ClipboardSnapshot snapshot(std::size_t maxBytes) const override;
    void restore(const ClipboardSnapshot& snapshot) override;
};

}  // namespace korrelang::platform::qt
