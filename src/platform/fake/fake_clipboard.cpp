#include "fake_clipboard.h"

namespace korrelang::platform::fake {

std::optional<std::string> FakeClipboard::text() const {
    for (const auto& [type, bytes] : content.formats) {
        if (type == "text/plain" || type == "text/plain;charset=utf-8") {
            return bytes;
        }
    }
    return std::nullopt;
}

void FakeClipboard::setText(std::string_view text) {
    ++writes;
    content = {};
    content.formats.emplace_back("text/plain", std::string(text));
}

void FakeClipboard::clear() {
    ++writes;
    content = {};
}

ClipboardSnapshot FakeClipboard::snapshot(std::size_t maxBytes) const {
    ClipboardSnapshot copy;
    std::size_t total = 0;
    for (const auto& format : content.formats) {
        if (total + format.second.size() > maxBytes) {
            copy.truncated = true;
            continue;
        }
        total += format.second.size();
        copy.formats.push_back(format);
    }
    return copy;
}

void FakeClipboard::restore(const ClipboardSnapshot& snapshot) {
    ++writes;
    content = snapshot;
    content.truncated = false;
}

}  // namespace korrelang::platform::fake
