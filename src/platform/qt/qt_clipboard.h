#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include "platform/clipboard.h"
#include "text_fetch_state.h"

class QMimeData;

namespace korrelang::platform::qt {

/// The CLIPBOARD and PRIMARY selections through QClipboard. Needs a QGuiApplication; main thread
/// only, except `snapshot`, which reads the selections on an X connection of its own (see
/// x11::SelectionReader) and so never waits on the main thread's event loop.
///
/// On X11 a write is checked: Qt claims the selection with the time of the last event it saw, and
/// the server ignores a claim older than the current owner's (an editor that has just copied in
/// answer to a synthetic key press). Such a write is repeated with a fresh server time.
class QtClipboard : public Clipboard {
public:
    /// The longest a snapshot of both selections may take; what has not arrived by then is left
    /// out (and logged).
    static constexpr std::chrono::milliseconds kSnapshotBudget{1000};

    explicit QtClipboard(std::chrono::milliseconds snapshotBudget = kSnapshotBudget);
    ~QtClipboard() override;

    std::optional<std::string> text() const override;
    void setText(std::string_view text) override;
    void clear() override;
    ClipboardSnapshot snapshot(std::size_t maxBytes) const override;
    void restore(const ClipboardSnapshot& snapshot) override;
    void restorePrimary(const ClipboardSnapshot& snapshot) override;
    std::optional<std::string> primaryText() const override;
    void setPrimaryText(std::string_view text) override;
    bool textWasFetched() const override;
    void forgetFetches() override;
    std::uint64_t claims(bool primary) const override;
    std::optional<std::string> awaitNewText(bool primary, std::uint64_t since,
                                            std::chrono::milliseconds timeout) override;

private:
    /// Hands out fresh copies of the content, because the clipboard takes each one over.
    using ContentFactory = std::function<QMimeData*()>;
    /// Writes the clipboard, or the mouse selection when `primary`.
    void write(const ContentFactory& content, bool primary);
    /// Writes `text` in fresh content made by `empty`.
    void writeText(std::string_view text, const ContentFactory& empty, bool primary);
    /// The text of the clipboard, or of the mouse selection when `primary`.
    std::optional<std::string> readText(bool primary) const;
    void restoreSelection(const std::vector<std::pair<std::string, std::string>>& formats,
                          bool primary);

    struct Reader;
    std::unique_ptr<Reader> m_reader;
    std::chrono::milliseconds m_snapshotBudget;
    /// Shared with the content last put there by `setText`.
    std::shared_ptr<TextFetchState> m_textFetch;
};

}  // namespace korrelang::platform::qt
