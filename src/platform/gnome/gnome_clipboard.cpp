#include "gnome_clipboard.h"

#include <algorithm>
#include <thread>

#include "platform/log.h"
#include "shell_extension.h"

namespace korrelang::platform::gnome {
namespace {

// The text type the shell offers, preferring UTF-8.
std::optional<std::string> textType(const std::vector<std::string>& types) {
    for (const char* wanted : {GnomeClipboard::kTextType, "UTF8_STRING", "text/plain"}) {
        if (std::find(types.begin(), types.end(), wanted) != types.end()) {
            return std::string(wanted);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> GnomeClipboard::text() const {
    const auto types = m_extension.clipboardTypes();
    const auto type = types ? textType(*types) : std::nullopt;
    if (!type) {
        return std::nullopt;
    }
    return m_extension.clipboardContent(*type);
}

void GnomeClipboard::setText(std::string_view text) {
    if (!m_extension.setClipboardContent(kTextType, std::string(text))) {
        logLine("❌ Cannot write the clipboard: the GNOME Shell extension does not answer");
    }
}

void GnomeClipboard::clear() {
    setText({});
}

ClipboardSnapshot GnomeClipboard::snapshot(std::size_t maxBytes) const {
    ClipboardSnapshot snapshot;
    const auto types = m_extension.clipboardTypes();
    if (!types) {
        return snapshot;
    }
    const auto image = std::find_if(types->begin(), types->end(),
                                    [](const std::string& t) { return t.starts_with("image/"); });
    const auto type = image != types->end() ? std::optional(*image) : textType(*types);
    if (!type) {
        snapshot.truncated = !types->empty();
        return snapshot;
    }
    auto data = m_extension.clipboardContent(*type);
    if (!data || data->size() > maxBytes) {
        snapshot.truncated = true;
        return snapshot;
    }
    snapshot.formats.emplace_back(*type, std::move(*data));
    // The shell can hand back only one format.
    snapshot.truncated = types->size() > 1 && !(types->size() == 2 && textType(*types));
    return snapshot;
}

std::uint64_t GnomeClipboard::claims(bool primary) const {
    if (primary) {
        return 0;
    }
    auto current = text();
    const std::lock_guard lock(m_mutex);
    m_markedText = std::move(current);
    return ++m_mark;
}

std::optional<std::string> GnomeClipboard::awaitNewText(bool primary, std::uint64_t since,
                                                        std::chrono::milliseconds timeout) {
    if (primary) {
        return std::nullopt;
    }
    std::optional<std::string> before;
    {
        const std::lock_guard lock(m_mutex);
        if (since != m_mark) {
            return std::nullopt;
        }
        before = m_markedText;
    }
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        auto current = text();
        if (current && current != before) {
            return current;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
}

void GnomeClipboard::restore(const ClipboardSnapshot& snapshot) {
    if (snapshot.formats.empty()) {
        clear();
        return;
    }
    const auto& [type, data] = snapshot.formats.front();
    if (!m_extension.setClipboardContent(type, data)) {
        logLine("❌ Cannot restore the clipboard: the GNOME Shell extension does not answer");
    }
}

}  // namespace korrelang::platform::gnome
