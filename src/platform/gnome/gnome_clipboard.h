#pragma once

#include <array>
#include <condition_variable>
#include <mutex>

#include "platform/clipboard.h"

namespace korrelang::platform::gnome {

class ShellExtension;

/// The clipboard and the mouse selection through the shell extension: on Wayland only the
/// compositor may read or write them for a program without focus. A snapshot keeps every format
/// with the limits the other desktops apply; the shell can offer only one format per owner, so a
/// clipboard with several kinds of content (an image and HTML) counts as not saved whole, and the
/// mouse selection keeps its text. Claims are counted by the shell and announced by a signal:
/// waiting for a copy costs no wake-ups. Without the extension there is no clipboard: text()
/// answers nothing and writes are dropped with a log line.
class GnomeClipboard : public Clipboard {
public:
    static constexpr const char* kTextType = "text/plain;charset=utf-8";
    /// The longest a snapshot of both selections may take.
    static constexpr std::chrono::milliseconds kSnapshotBudget{1000};

    explicit GnomeClipboard(ShellExtension& extension);

    std::optional<std::string> text() const override;
    void setText(std::string_view text) override;
    void clear() override;
    ClipboardSnapshot snapshot(std::size_t maxBytes) const override;
    void restore(const ClipboardSnapshot& snapshot) override;
    void restorePrimary(const ClipboardSnapshot& snapshot) override;
    std::optional<std::string> primaryText() const override;
    void setPrimaryText(std::string_view text) override;
    std::uint64_t claims(bool primary) const override;
    std::optional<std::string> awaitNewText(bool primary, std::uint64_t since,
                                            std::chrono::milliseconds timeout) override;

private:
    std::optional<std::string> textOf(bool primary) const;
    void put(bool primary, const std::string& type, const std::string& data, const char* what);
    /// Raises the known claim count of one selection to `claims` and wakes any waiter.
    void noteClaims(bool primary, std::uint64_t claims) const;

    ShellExtension& m_extension;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_claimed;
    mutable std::array<std::uint64_t, 2> m_claims{};  ///< clipboard, mouse selection
};

}  // namespace korrelang::platform::gnome
