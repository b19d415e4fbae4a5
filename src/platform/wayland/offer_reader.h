#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korrelang::platform::wayland {

/// What one selection held: MIME type → bytes, in the order fetched.
struct OfferContent {
    std::vector<std::pair<std::string, std::string>> formats;
    /// A format was left out: over the size cap, refused, or not delivered in time.
    bool truncated = false;
};

/// Reads a selection offered over the data-control protocol with the same limits as the X11
/// snapshot: the offer's MIME types first, one representation of each kind (one text, stored as
/// "text/plain"; one image, the PNG when offered; each other MIME type), a cap on the total size
/// and a deadline for the whole. A Wayland transfer announces no size, so a format is read until
/// it passes what is left of the cap, then dropped.
class OfferReader {
public:
    using Clock = std::chrono::steady_clock;
    enum class Outcome { received, refused, tooLarge, timedOut };
    struct Fetched {
        Outcome outcome = Outcome::refused;
        std::string bytes;
    };
    /// Fetches one MIME type, at most `maxBytes`, by `deadline`.
    using Fetcher = std::function<Fetched(const std::string& mimeType, std::size_t maxBytes,
                                          Clock::time_point)>;

    /// The MIME types to fetch out of an offer, in fetching order.
    static std::vector<std::string> choose(const std::vector<std::string>& mimeTypes);
    /// Whether a MIME type (or X11 target name) is a representation of plain text.
    static bool isText(std::string_view mimeType);
    /// Fetches the chosen types of `mimeTypes`; `selectionName` is for the log.
    static OfferContent read(const std::vector<std::string>& mimeTypes, std::size_t maxBytes,
                             Clock::time_point deadline, const Fetcher& fetch,
                             std::string_view selectionName);
    /// Reads the pipe end `fd` until the writer closes it, at most `maxBytes` (one more byte
    /// means tooLarge), by `deadline`. Closes `fd`.
    static Fetched readPipe(int fd, std::size_t maxBytes, Clock::time_point deadline);
    /// The MIME types a text format is offered under, so every toolkit finds one it asks for.
    static std::vector<std::string> textOffers();
};

}  // namespace korrelang::platform::wayland
