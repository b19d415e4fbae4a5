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
    primaryClaims += snapshot.primary.empty() ? 0 : 1;
    content.primary = snapshot.primary;
}

void FakeClipboard::setPrimaryText(std::string_view text) {
    ++primaryClaims;
    content.primary = {{"text/plain", std::string(text)}};
}

void FakeClipboard::setText(std::string_view text) {
    ++writes;
    ++clipboardClaims;
    content.formats = {{"text/plain", std::string(text)}};
}

std::uint64_t FakeClipboard::claims(bool primary) const {
    return primary ? primaryClaims : clipboardClaims;
}

std::optional<std::string> FakeClipboard::awaitNewText(bool primary, std::uint64_t since,
                                                       std::chrono::milliseconds) {
    if (whileWaiting) {
        whileWaiting();
    }
    if (claims(primary) <= since) {
        return std::nullopt;
    }
    return primary ? primaryText() : text();
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
    // Set by a test: an owner that did not deliver every format in time.
    copy.truncated = copy.truncated || content.truncated;
    return copy;
}

void FakeClipboard::restore(const ClipboardSnapshot& snapshot) {
    ++writes;
    clipboardClaims += snapshot.formats.empty() ? 0 : 1;
    primaryClaims += snapshot.primary.empty() ? 0 : 1;
    content = snapshot;
    content.truncated = false;
}

}  // namespace korrelang::platform::fake
