#include "fake_clipboard.h"

namespace korrelang::platform::fake {

namespace {

std::optional<std::string> plainText(
    const std::vector<std::pair<std::string, std::string>>& formats) {
    for (const auto& [type, bytes] : formats) {
        if (type == "text/plain" || type == "text/plain;charset=utf-8") {
            return bytes;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FakeClipboard::text() const {
    return plainText(content.formats);
}

std::optional<std::string> FakeClipboard::primaryText() const {
    return plainText(content.primary);
}

void FakeClipboard::restorePrimary(const ClipboardSnapshot& snapshot) {
    content.primary = snapshot.primary;
}

void FakeClipboard::setPrimaryText(std::string_view text) {
    content.primary = {{"text/plain", std::string(text)}};
}

void FakeClipboard::setText(std::string_view text) {
    ++writes;
    content.formats = {{"text/plain", std::string(text)}};
}

void FakeClipboard::clear() {
    ++writes;
    content.formats.clear();
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
    copy.primary = content.primary;
    return copy;
}

void FakeClipboard::restore(const ClipboardSnapshot& snapshot) {
    ++writes;
    content = snapshot;
    content.truncated = false;
}

}  // namespace korrelang::platform::fake
