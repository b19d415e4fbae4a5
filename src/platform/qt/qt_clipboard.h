#pragma once

#include <functional>

#include "platform/clipboard.h"

class QMimeData;

namespace korrelang::platform::qt {

/// The CLIPBOARD selection through QClipboard. Needs a QGuiApplication; main thread only.
///
/// On X11 a write is checked: Qt claims the selection with the time of the last event it saw, and
/// the server ignores a claim older than the current owner's (an editor that has just copied in
/// answer to a synthetic key press). Such a write is repeated with a fresh server time.
class QtClipboard : public Clipboard {
public:
    std::optional<std::string> text() const override;
    void setText(std::string_view text) override;
    void clear() override;
    ClipboardSnapshot snapshot(std::size_t maxBytes) const override;
    void restore(const ClipboardSnapshot& snapshot) override;

private:
    /// Hands out fresh copies of the content, because the clipboard takes each one over.
    using ContentFactory = std::function<QMimeData*()>;
    void write(const ContentFactory& content);
};

}  // namespace korrelang::platform::qt
