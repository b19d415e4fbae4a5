#pragma once

#include <mutex>

#include "platform/clipboard.h"

namespace korrelang::platform::gnome {

class ShellExtension;

/// The clipboard through the shell extension: on Wayland only the compositor may read or write
/// it for a program without focus. The shell offers one format at a time, so a snapshot keeps
/// the format that matters most (an image when there is one, else the text); the mouse selection
/// is left alone. Without the extension there is no clipboard: text() answers nothing and writes
/// are dropped with a log line.
class GnomeClipboard : public Clipboard {
public:
    static constexpr const char* kTextType = "text/plain;charset=utf-8";

    explicit GnomeClipboard(const ShellExtension& extension) : m_extension(extension) {}

    std::optional<std::string> text() const override;
    void setText(std::string_view text) override;
    void clear() override;
    ClipboardSnapshot snapshot(std::size_t maxBytes) const override;
    void restore(const ClipboardSnapshot& snapshot) override;
    void restorePrimary(const ClipboardSnapshot&) override {}
    std::optional<std::string> primaryText() const override { return std::nullopt; }
    void setPrimaryText(std::string_view) override {}
    /// The shell tells no owner changes to the extension yet: a claim is counted as a change of
    /// the clipboard's text from what it held when the mark was taken.
    std::uint64_t claims(bool primary) const override;
    std::optional<std::string> awaitNewText(bool primary, std::uint64_t since,
                                            std::chrono::milliseconds timeout) override;

private:
    const ShellExtension& m_extension;
    mutable std::mutex m_mutex;
    mutable std::uint64_t m_mark = 0;
    mutable std::optional<std::string> m_markedText;
};

}  // namespace korrelang::platform::gnome
