#include "gnome_clipboard.h"

#include <algorithm>

#include "platform/log.h"
#include "platform/wayland/offer_reader.h"
#include "shell_extension.h"

namespace korrelang::platform::gnome {
namespace {

using wayland::OfferReader;

// Plain text is small; a clipboard holding more than this as text is not read for converting.
constexpr std::size_t kTextLimit = 16 * 1024 * 1024;
constexpr std::chrono::milliseconds kTextTimeout{500};

// GTK text views offer their own tagged form of the text they copy; the tags are their
// highlighting, which a view pasting the plain text makes again. With one format to give back,
// the text alone keeps what the user copied.
constexpr std::string_view kTextRestatements[] = {"application/x-gtk-text-buffer-rich-text"};

void dropTextRestatements(std::vector<std::pair<std::string, std::string>>& formats) {
    const auto isText = [](const auto& format) { return OfferReader::isText(format.first); };
    if (std::none_of(formats.begin(), formats.end(), isText)) {
        return;
    }
    std::erase_if(formats, [](const auto& format) {
        return std::find(std::begin(kTextRestatements), std::end(kTextRestatements),
                         format.first) != std::end(kTextRestatements);
    });
}

const char* nameOf(bool primary) {
    return primary ? "Mouse selection" : "Clipboard";
}

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

GnomeClipboard::GnomeClipboard(ShellExtension& extension) : m_extension(extension) {
    m_extension.setSelectionCallback(
        [this](bool primary, std::uint64_t claims) { noteClaims(primary, claims); });
}

void GnomeClipboard::noteClaims(bool primary, std::uint64_t claims) const {
    {
        const std::lock_guard lock(m_mutex);
        auto& known = m_claims[primary ? 1 : 0];
        known = std::max(known, claims);
    }
    m_claimed.notify_all();
}

std::optional<std::string> GnomeClipboard::textOf(bool primary) const {
    const auto types = m_extension.clipboardTypes(primary);
    const auto type = types ? textType(*types) : std::nullopt;
    if (!type) {
        return std::nullopt;
    }
    auto fetched = m_extension.clipboardContent(primary, *type, kTextLimit, kTextTimeout);
    if (fetched.outcome != OfferReader::Outcome::received) {
        return std::nullopt;
    }
    return std::move(fetched.bytes);
}

std::optional<std::string> GnomeClipboard::text() const {
    return textOf(false);
}

std::optional<std::string> GnomeClipboard::primaryText() const {
    return textOf(true);
}

void GnomeClipboard::put(bool primary, const std::string& type, const std::string& data,
                         const char* what) {
    const auto claims = m_extension.setClipboardContent(primary, type, data);
    if (!claims) {
        if (m_extension.isAvailable()) {
            logLine(std::string("❌ Cannot ") + what +
                    ": the GNOME Shell extension does not answer");
        }
        return;
    }
    // Known before the shell's signal arrives, so that a wait begun now does not take this
    // program's own claim for another's.
    noteClaims(primary, *claims);
}

void GnomeClipboard::setText(std::string_view text) {
    put(false, kTextType, std::string(text), "write the clipboard");
}

void GnomeClipboard::setPrimaryText(std::string_view text) {
    put(true, kTextType, std::string(text), "write the mouse selection");
}

void GnomeClipboard::clear() {
    setText({});
}

ClipboardSnapshot GnomeClipboard::snapshot(std::size_t maxBytes) const {
    ClipboardSnapshot snapshot;
    const auto deadline = OfferReader::Clock::now() + kSnapshotBudget;
    for (const bool primary : {false, true}) {
        const auto types = m_extension.clipboardTypes(primary);
        if (!types) {
            continue;
        }
        const auto fetch = [&](const std::string& type, std::size_t limit,
                               OfferReader::Clock::time_point until) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                until - OfferReader::Clock::now());
            return m_extension.clipboardContent(primary, type, limit, left);
        };
        auto content = OfferReader::read(*types, maxBytes, deadline, fetch, nameOf(primary));
        auto& formats = primary ? snapshot.primary : snapshot.formats;
        formats = std::move(content.formats);
        dropTextRestatements(formats);
        if (primary) {
            // What a middle click pastes is the text; the rest of a rich selection is not worth
            // refusing to convert for.
            const auto text = std::find_if(formats.begin(), formats.end(), [](const auto& format) {
                return OfferReader::isText(format.first);
            });
            if (text != formats.end() && formats.size() > 1) {
                formats = {*text};
            }
        }
        if (formats.size() > 1) {
            content.truncated = true;
            logLine(std::string("⚠️ ") + nameOf(primary) + " holds " +
                    std::to_string(formats.size()) +
                    " kinds of content; the shell can give back only one");
        }
        snapshot.truncated = snapshot.truncated || content.truncated;
    }
    return snapshot;
}

std::uint64_t GnomeClipboard::claims(bool primary) const {
    // Asked of the shell, so that a claim whose signal is still on its way is counted already.
    if (const auto counted = m_extension.clipboardClaims()) {
        noteClaims(false, counted->clipboard);
        noteClaims(true, counted->primary);
    }
    const std::lock_guard lock(m_mutex);
    return m_claims[primary ? 1 : 0];
}

std::optional<std::string> GnomeClipboard::awaitNewText(bool primary, std::uint64_t since,
                                                        std::chrono::milliseconds timeout) {
    {
        std::unique_lock lock(m_mutex);
        const auto& known = m_claims[primary ? 1 : 0];
        if (!m_claimed.wait_for(lock, timeout, [&] { return known > since; })) {
            return std::nullopt;
        }
    }
    return textOf(primary);
}

void GnomeClipboard::restore(const ClipboardSnapshot& snapshot) {
    if (snapshot.formats.empty()) {
        clear();
    } else {
        const auto& [type, data] = snapshot.formats.front();
        put(false, OfferReader::isText(type) ? kTextType : type, data, "restore the clipboard");
    }
    restorePrimary(snapshot);
}

void GnomeClipboard::restorePrimary(const ClipboardSnapshot& snapshot) {
    if (snapshot.primary.empty()) {
        setPrimaryText({});
        return;
    }
    const auto& [type, data] = snapshot.primary.front();
    put(true, OfferReader::isText(type) ? kTextType : type, data, "restore the mouse selection");
}

}  // namespace korrelang::platform::gnome
