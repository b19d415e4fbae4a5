#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korrelang::platform::x11 {

/// What one selection held: MIME type → bytes, in the order fetched.
struct SelectionContent {
    std::vector<std::pair<std::string, std::string>> formats;
    /// A format was left out: over the size cap, refused, or not delivered in time.
    bool truncated = false;
};

/// Reads the content of an X selection (CLIPBOARD, PRIMARY) on an xcb connection of its own, so
/// that any thread may call it and a slow owner never blocks the main thread's event loop.
///
/// The owner is asked for its list of targets first, and only one representation of each kind is
/// fetched: one text (as UTF-8 "text/plain"), one image (the PNG if offered, else the owner's
/// first image type), and each other MIME type. A browser offering a dozen image encodings, each
/// made on request, is asked for one. The size of a format is known before its bytes are read
/// (the property's length, or the lower bound an incremental transfer announces), so a format over
/// the cap is never transferred. Everything ends by the deadline.
///
/// It also counts the claims of CLIPBOARD and PRIMARY (XFixes selection-owner events), so that a
/// caller can wait for an application to copy instead of sleeping a fixed time.
class SelectionReader {
public:
    SelectionReader();
    ~SelectionReader();
    SelectionReader(const SelectionReader&) = delete;
    SelectionReader& operator=(const SelectionReader&) = delete;

    /// Whether the X display could be reached; without it every read is empty.
    bool isConnected() const { return m_connection != nullptr; }

    /// The content of `selection` ("CLIPBOARD", "PRIMARY"), at most `maxBytes` in total; empty
    /// when the selection has no owner.
    SelectionContent read(std::string_view selection, std::size_t maxBytes,
                          std::chrono::steady_clock::time_point deadline);

    /// How many times any program (this one included) has claimed `selection` since the reader
    /// started; 0 forever without the XFixes extension.
    std::uint64_t claims(std::string_view selection);
    /// Waits until `selection` has been claimed more than `since` times, or for the deadline;
    /// whether it was. Without the XFixes extension, waits until the deadline and says yes.
    bool awaitClaim(std::string_view selection, std::uint64_t since,
                    std::chrono::steady_clock::time_point deadline);
    /// The plain text of `selection` (UTF-8), or nothing: no owner, no text, or not by the
    /// deadline.
    std::optional<std::string> readText(std::string_view selection,
                                        std::chrono::steady_clock::time_point deadline);

    /// The targets to fetch out of an owner's list, in fetching order.
    static std::vector<std::string> choose(const std::vector<std::string>& targets);

private:
    enum class Outcome { received, refused, tooLarge, timedOut };
    struct Fetched {
        Outcome outcome = Outcome::refused;
        std::string bytes;
        std::string type;  ///< the property's type name
    };

    Fetched fetch(xcb_atom_t selection, xcb_atom_t target, std::size_t maxBytes,
                  std::chrono::steady_clock::time_point deadline);
    /// Waits for a SelectionNotify answering `target`, or for the deadline.
    std::optional<xcb_atom_t> awaitNotify(xcb_atom_t selection, xcb_atom_t target,
                                          std::chrono::steady_clock::time_point deadline);
    /// Waits for the next chunk of an incremental transfer.
    bool awaitNewValue(std::chrono::steady_clock::time_point deadline);
    /// The next event by the deadline; every claim event passing through is counted.
    xcb_generic_event_t* nextEvent(std::chrono::steady_clock::time_point deadline);
    /// Counts it when `event` is a claim of a watched selection.
    void noteClaim(const xcb_generic_event_t* event);
    void drainEvents();
    std::uint64_t* claimCounter(xcb_atom_t selection);
    /// A fresh requestor window: answers to an abandoned request must not land in the next one.
    void renewWindow();
    xcb_atom_t atom(const std::string& name);
    std::string atomName(xcb_atom_t atom);

    std::mutex m_mutex;
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_window = XCB_WINDOW_NONE;
    xcb_atom_t m_property = XCB_ATOM_NONE;
    std::map<std::string, xcb_atom_t> m_atoms;
    /// The XFixes event base, 0 without the extension.
    std::uint8_t m_xfixesEvents = 0;
    xcb_atom_t m_clipboard = XCB_ATOM_NONE;
    xcb_atom_t m_primary = XCB_ATOM_NONE;
    std::uint64_t m_clipboardClaims = 0;
    std::uint64_t m_primaryClaims = 0;
};

}  // namespace korrelang::platform::x11
