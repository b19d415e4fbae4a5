#include "offer_reader.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "platform/log.h"
#include "platform/x11/selection_reader.h"

namespace korrelang::platform::wayland {

namespace {
constexpr std::string_view kPlainText = "text/plain";
}  // namespace

bool OfferReader::isText(std::string_view mimeType) {
    return mimeType == "UTF8_STRING" || mimeType == "STRING" || mimeType == "TEXT" ||
           mimeType == "text/plain" || mimeType == "text/plain;charset=utf-8";
}

std::vector<std::string> OfferReader::choose(const std::vector<std::string>& mimeTypes) {
    // The X11 rules, since Wayland toolkits offer the same names (Xwayland forwards X targets).
    return x11::SelectionReader::choose(mimeTypes);
}

std::vector<std::string> OfferReader::textOffers() {
    return {"text/plain;charset=utf-8", "text/plain", "UTF8_STRING", "STRING", "TEXT"};
}

OfferContent OfferReader::read(const std::vector<std::string>& mimeTypes, std::size_t maxBytes,
                               Clock::time_point deadline, const Fetcher& fetch,
                               std::string_view selectionName) {
    OfferContent content;
    std::size_t total = 0;
    for (const std::string& mimeType : choose(mimeTypes)) {
        if (Clock::now() >= deadline) {
            content.truncated = true;
            logLine("⚠️ " + std::string(selectionName) + " format " + mimeType +
                    " not fetched: the time budget is spent");
            continue;
        }
        Fetched fetched = fetch(mimeType, maxBytes - total, deadline);
        switch (fetched.outcome) {
            case Outcome::received:
                total += fetched.bytes.size();
                content.formats.emplace_back(isText(mimeType) ? std::string(kPlainText) : mimeType,
                                             std::move(fetched.bytes));
                break;
            case Outcome::refused:
                break;
            case Outcome::tooLarge:
                content.truncated = true;
                logLine("⚠️ " + std::string(selectionName) + " format " + mimeType +
                        " exceeds the size limit; it will not be restored");
                break;
            case Outcome::timedOut:
                content.truncated = true;
                logLine("⚠️ " + std::string(selectionName) + " format " + mimeType +
                        " was not delivered in time; it will not be restored");
                break;
        }
    }
    return content;
}

OfferReader::Fetched OfferReader::readPipe(int fd, std::size_t maxBytes,
                                           Clock::time_point deadline) {
    Fetched fetched;
    fetched.outcome = Outcome::timedOut;
    const int flags = fcntl(fd, F_GETFL);
    fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            if (fetched.bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
                fetched.outcome = Outcome::tooLarge;
                fetched.bytes.clear();
                break;
            }
            fetched.bytes.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        if (n == 0) {
            fetched.outcome = Outcome::received;
            break;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            fetched.outcome = Outcome::refused;
            break;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            fetched.bytes.clear();
            break;
        }
        pollfd entry{fd, POLLIN, 0};
        ::poll(&entry, 1, static_cast<int>(left));
    }
    ::close(fd);
    return fetched;
}

}  // namespace korrelang::platform::wayland
