#include "data_control_clipboard.h"

#include <fcntl.h>
#include <unistd.h>
#include <wayland-client.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <map>
#include <thread>

#include "data_control_protocol.h"
#include "offer_reader.h"
#include "platform/log.h"

namespace korrelang::platform::wayland {

namespace {

using Formats = std::vector<std::pair<std::string, std::string>>;
constexpr std::chrono::milliseconds kSnapshotBudget{1000};
constexpr std::chrono::milliseconds kTextBudget{1000};
constexpr std::size_t kTextLimit = 64U * 1024U * 1024U;

// What Korrelang itself offers, alive while its source is.
struct OwnContent {
    Formats formats;
    bool trackFetch = false;
    std::atomic<bool> fetched{false};

    const std::string* bytesFor(std::string_view mimeType) const {
        for (const auto& [type, bytes] : formats) {
            if (type == mimeType || (OfferReader::isText(mimeType) && OfferReader::isText(type))) {
                return &bytes;
            }
        }
        return nullptr;
    }
};

// Writes one transfer on a thread of its own: a reader that stalls must not stall the connection.
void writeDetached(int fd, std::shared_ptr<OwnContent> content, std::string mimeType) {
    std::thread([fd, content = std::move(content), mimeType = std::move(mimeType)] {
        if (const std::string* bytes = content->bytesFor(mimeType)) {
            std::size_t written = 0;
            while (written < bytes->size()) {
                const ssize_t n = ::write(fd, bytes->data() + written, bytes->size() - written);
                if (n < 0 && errno == EINTR) {
                    continue;
                }
                if (n <= 0) {
                    break;
                }
                written += static_cast<std::size_t>(n);
            }
        }
        ::close(fd);
    }).detach();
}

template <typename P>
class DataControlClipboardImpl : public Clipboard {
public:
    DataControlClipboardImpl(std::shared_ptr<DisplayConnection> connection,
                             typename P::Manager* manager, std::uint32_t version)
        : m_connection(std::move(connection)),
          m_manager(manager),
          m_hasPrimary(version >= P::kPrimarySince) {
        m_device = P::device(m_manager, m_connection->seat());
        P::listen(m_device, &kDeviceListener, this);
        wl_display_roundtrip(m_connection->display());
    }

    ~DataControlClipboardImpl() override {
        m_connection->call([this] {
            for (auto& [source, content] : m_sources) {
                P::destroy(source);
            }
            m_sources.clear();
            for (auto& [offer, types] : m_offers) {
                P::destroy(offer);
            }
            m_offers.clear();
            if (m_device != nullptr) {
                P::destroy(m_device);
            }
            P::destroy(m_manager);
        });
    }

    std::optional<std::string> text() const override { return readText(false); }
    std::optional<std::string> primaryText() const override { return readText(true); }

    void setText(std::string_view text) override {
        install(Formats{{"text/plain", std::string(text)}}, false, true);
    }
    void setPrimaryText(std::string_view text) override {
        install(Formats{{"text/plain", std::string(text)}}, true, false);
    }
    void clear() override { install({}, false, false); }

    ClipboardSnapshot snapshot(std::size_t maxBytes) const override {
        ClipboardSnapshot snapshot;
        const auto deadline = OfferReader::Clock::now() + kSnapshotBudget;
        for (const bool primary : {false, true}) {
            if (primary && !m_hasPrimary) {
                continue;
            }
            OfferContent content = read(primary, maxBytes, deadline);
            (primary ? snapshot.primary : snapshot.formats) = std::move(content.formats);
            snapshot.truncated = snapshot.truncated || content.truncated;
        }
        return snapshot;
    }

    void restore(const ClipboardSnapshot& snapshot) override {
        install(snapshot.formats, false, false);
        restorePrimary(snapshot);
    }
    void restorePrimary(const ClipboardSnapshot& snapshot) override {
        if (m_hasPrimary) {
            install(snapshot.primary, true, false);
        }
    }

    bool textWasFetched() const override {
        const std::lock_guard lock(m_mutex);
        return !m_lastText || m_lastText->fetched;
    }
    void forgetFetches() override {
        const std::lock_guard lock(m_mutex);
        if (m_lastText) {
            m_lastText->fetched = false;
        }
    }

    std::uint64_t claims(bool primary) const override {
        // A round trip first, so that every selection announced before this call is counted.
        m_connection->call([this] { wl_display_roundtrip(m_connection->display()); });
        return m_claims[primary ? 1 : 0].load();
    }
    std::optional<std::string> awaitNewText(bool primary, std::uint64_t since,
                                            std::chrono::milliseconds timeout) override {
        {
            // Woken by the connection's thread as the compositor announces each new selection.
            std::unique_lock lock(m_claimMutex);
            if (!m_claimed.wait_for(lock, timeout,
                                    [&] { return m_claims[primary ? 1 : 0].load() > since; })) {
                return std::nullopt;
            }
        }
        return readText(primary);
    }

private:
    struct Selection {
        typename P::Offer* offer = nullptr;
        std::vector<std::string> mimeTypes;
        std::shared_ptr<OwnContent> own;  ///< set while Korrelang's source holds the selection
    };

    // Connection's thread.
    Selection& selection(bool primary) { return primary ? m_primary : m_clipboard; }

    Selection current(bool primary) const {
        Selection found;
        m_connection->call([&] {
            const Selection& held = primary ? m_primary : m_clipboard;
            found = held;
            if (held.offer != nullptr) {
                const auto it = m_offers.find(held.offer);
                found.mimeTypes = it != m_offers.end() ? it->second : std::vector<std::string>{};
            }
        });
        return found;
    }

    OfferReader::Fetched fetch(bool primary, typename P::Offer* offer, const std::string& type,
                               std::size_t maxBytes,
                               OfferReader::Clock::time_point deadline) const {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) {
            return {};
        }
        bool asked = false;
        m_connection->call([&] {
            // The offer may have been replaced since it was looked up.
            if ((primary ? m_primary : m_clipboard).offer == offer) {
                P::receive(offer, type.c_str(), fds[1]);
                asked = true;
            }
        });
        ::close(fds[1]);
        if (!asked) {
            ::close(fds[0]);
            return {};
        }
        return OfferReader::readPipe(fds[0], maxBytes, deadline);
    }

    OfferContent read(bool primary, std::size_t maxBytes,
                      OfferReader::Clock::time_point deadline) const {
        const Selection held = current(primary);
        OfferContent content;
        if (held.own) {
            std::size_t total = 0;
            for (const auto& [type, bytes] : held.own->formats) {
                if (total + bytes.size() > maxBytes) {
                    content.truncated = true;
                    continue;
                }
                total += bytes.size();
                content.formats.emplace_back(type, bytes);
            }
            return content;
        }
        if (held.offer == nullptr) {
            return content;
        }
        return OfferReader::read(
            held.mimeTypes, maxBytes, deadline,
            [&](const std::string& type, std::size_t limit, OfferReader::Clock::time_point until) {
                return fetch(primary, held.offer, type, limit, until);
            },
            primary ? "PRIMARY" : "CLIPBOARD");
    }

    std::optional<std::string> readText(bool primary) const {
        if (primary && !m_hasPrimary) {
            return std::nullopt;
        }
        const Selection held = current(primary);
        if (held.own) {
            const std::string* bytes = held.own->bytesFor("text/plain");
            return bytes != nullptr ? std::optional<std::string>(*bytes) : std::nullopt;
        }
        for (const std::string& type : OfferReader::textOffers()) {
            if (std::find(held.mimeTypes.begin(), held.mimeTypes.end(), type) !=
                held.mimeTypes.end()) {
                auto fetched = fetch(primary, held.offer, type, kTextLimit,
                                     OfferReader::Clock::now() + kTextBudget);
                if (fetched.outcome == OfferReader::Outcome::received) {
                    return std::move(fetched.bytes);
                }
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

    // Puts `formats` on the selection from a new source of Korrelang's own (none: clears it),
    // and waits until the compositor has made it the selection.
    void install(const Formats& formats, bool primary, bool trackFetch) {
        auto content = std::make_shared<OwnContent>();
        content->formats = formats;
        content->trackFetch = trackFetch;
        if (trackFetch) {
            const std::lock_guard lock(m_mutex);
            m_lastText = content;
        }
        m_connection->call([&] {
            if (m_device == nullptr) {
                return;
            }
            typename P::Source* source = nullptr;
            if (!formats.empty()) {
                source = P::source(m_manager);
                P::listen(source, &kSourceListener, this);
                for (const auto& [type, bytes] : formats) {
                    if (OfferReader::isText(type)) {
                        for (const std::string& alias : OfferReader::textOffers()) {
                            P::offer(source, alias.c_str());
                        }
                    } else {
                        P::offer(source, type.c_str());
                    }
                }
                m_sources.emplace(source, content);
            }
            if (primary) {
                P::setPrimary(m_device, source);
            } else {
                P::setSelection(m_device, source);
            }
            wl_display_roundtrip(m_connection->display());
            selection(primary).own = source != nullptr ? content : nullptr;
            m_ownSource[primary ? 1 : 0] = source;
        });
    }

    void forgetOffer(typename P::Offer* offer) {
        if (offer == nullptr || offer == m_clipboard.offer || offer == m_primary.offer) {
            return;
        }
        m_offers.erase(offer);
        P::destroy(offer);
    }

    void onSelection(typename P::Offer* offer, bool primary) {
        if (offer != nullptr) {
            {
                const std::lock_guard lock(m_claimMutex);
                ++m_claims[primary ? 1 : 0];
            }
            m_claimed.notify_all();
        }
        Selection& held = selection(primary);
        typename P::Offer* previous = held.offer;
        held.offer = offer;
        // Korrelang's own source stays the owner until the compositor cancels it.
        if (m_ownSource[primary ? 1 : 0] == nullptr) {
            held.own = nullptr;
        }
        forgetOffer(previous);
    }

    static void onDataOffer(void* data, typename P::Device*, typename P::Offer* offer) {
        auto* self = static_cast<DataControlClipboardImpl*>(data);
        self->m_offers.emplace(offer, std::vector<std::string>{});
        P::listen(offer, &kOfferListener, self);
    }
    static void onClipboard(void* data, typename P::Device*, typename P::Offer* offer) {
        static_cast<DataControlClipboardImpl*>(data)->onSelection(offer, false);
    }
    static void onPrimary(void* data, typename P::Device*, typename P::Offer* offer) {
        static_cast<DataControlClipboardImpl*>(data)->onSelection(offer, true);
    }
    static void onFinished(void* data, typename P::Device*) {
        auto* self = static_cast<DataControlClipboardImpl*>(data);
        logLine("⚠️ Wayland clipboard: the compositor withdrew the data device");
        P::destroy(self->m_device);
        self->m_device = nullptr;
    }
    static void onMimeType(void* data, typename P::Offer* offer, const char* type) {
        auto* self = static_cast<DataControlClipboardImpl*>(data);
        const auto it = self->m_offers.find(offer);
        if (it != self->m_offers.end()) {
            it->second.emplace_back(type);
        }
    }
    static void onSend(void* data, typename P::Source* source, const char* type, int32_t fd) {
        auto* self = static_cast<DataControlClipboardImpl*>(data);
        const auto it = self->m_sources.find(source);
        if (it == self->m_sources.end()) {
            ::close(fd);
            return;
        }
        if (it->second->trackFetch) {
            it->second->fetched = true;
        }
        writeDetached(fd, it->second, type);
    }
    static void onCancelled(void* data, typename P::Source* source) {
        auto* self = static_cast<DataControlClipboardImpl*>(data);
        for (int which = 0; which < 2; ++which) {
            if (self->m_ownSource[which] == source) {
                self->m_ownSource[which] = nullptr;
                self->selection(which == 1).own = nullptr;
            }
        }
        self->m_sources.erase(source);
        P::destroy(source);
    }

    static constexpr
        typename P::DeviceListener kDeviceListener{onDataOffer, onClipboard, onFinished, onPrimary};
    static constexpr typename P::SourceListener kSourceListener{onSend, onCancelled};
    static constexpr typename P::OfferListener kOfferListener{onMimeType};

    std::shared_ptr<DisplayConnection> m_connection;
    typename P::Manager* m_manager = nullptr;
    typename P::Device* m_device = nullptr;
    const bool m_hasPrimary;
    // Connection's thread only.
    std::map<typename P::Offer*, std::vector<std::string>> m_offers;
    std::map<typename P::Source*, std::shared_ptr<OwnContent>> m_sources;
    typename P::Source* m_ownSource[2] = {nullptr, nullptr};
    Selection m_clipboard;
    Selection m_primary;
    // Any thread.
    mutable std::mutex m_mutex;
    std::shared_ptr<OwnContent> m_lastText;
    /// New selections of the clipboard and of the mouse selection, this program's included;
    /// counted under the mutex so that a waiter cannot miss the wake-up.
    std::atomic<std::uint64_t> m_claims[2] = {0, 0};
    std::mutex m_claimMutex;
    std::condition_variable m_claimed;
};

template <typename P>
std::unique_ptr<Clipboard> tryCreate(const std::shared_ptr<DisplayConnection>& connection) {
    std::unique_ptr<Clipboard> clipboard;
    connection->call([&] {
        const auto global = connection->global(P::kGlobal);
        if (!global || connection->seat() == nullptr) {
            return;
        }
        auto* manager = static_cast<typename P::Manager*>(
            connection->bind(P::kGlobal, P::managerInterface(), P::kPrimarySince));
        clipboard = std::make_unique<DataControlClipboardImpl<P>>(
            connection, manager, std::min(global->version, P::kPrimarySince));
    });
    if (clipboard) {
        logLine(std::string("Wayland clipboard: ") + P::kGlobal);
    }
    return clipboard;
}

}  // namespace

std::unique_ptr<Clipboard> DataControlClipboard::create(
    std::shared_ptr<DisplayConnection> connection) {
    if (!connection) {
        return nullptr;
    }
    if (auto clipboard = tryCreate<ExtDataControl>(connection)) {
        return clipboard;
    }
    if (auto clipboard = tryCreate<WlrDataControl>(connection)) {
        return clipboard;
    }
    logLine(
        "❌ Wayland clipboard: the compositor offers no data-control protocol; the clipboard "
        "cannot be read or written from the background");
    return nullptr;
}

}  // namespace korrelang::platform::wayland
