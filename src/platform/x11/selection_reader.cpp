#include "selection_reader.h"

#include <poll.h>
#include <xcb/xfixes.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "engine/unicode.h"
#include "platform/log.h"

namespace korrelang::platform::x11 {

namespace {

using Clock = std::chrono::steady_clock;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> owned(T* reply) {
    return Reply<T>(reply, &std::free);
}

constexpr std::string_view kPlainText = "text/plain";

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool isText(std::string_view target) {
    return target == "UTF8_STRING" || target == "STRING" || target == "TEXT" ||
           target == "COMPOUND_TEXT" || startsWith(target, kPlainText);
}

// Every encoding of a picture, including toolkit-private ones ("application/x-qt-image").
bool isImage(std::string_view target) {
    return startsWith(target, "image/") || target.find("image") != std::string_view::npos;
}

std::string latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (const char c : latin1) {
        engine::unicode::appendCodePoint(utf8, static_cast<unsigned char>(c));
    }
    return utf8;
}

}  // namespace

SelectionReader::SelectionReader() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return;
    }
    m_connection = connection;
    m_property = atom("_KORRELANG_SELECTION");
    m_clipboard = atom("CLIPBOARD");
    m_primary = XCB_ATOM_PRIMARY;
    renewWindow();

    const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(connection, &xcb_xfixes_id);
    const auto version = owned(xcb_xfixes_query_version_reply(
        connection, xcb_xfixes_query_version(connection, 1, 0), nullptr));
    if (xfixes == nullptr || xfixes->present == 0 || !version) {
        logLine("⚠️ The X server lacks XFixes: waiting fixed times for the clipboard");
        return;
    }
    m_xfixesEvents = xfixes->first_event;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    for (const xcb_atom_t selection : {m_clipboard, m_primary}) {
        xcb_xfixes_select_selection_input(connection, root, selection,
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER);
    }
    xcb_flush(connection);
}

std::uint64_t* SelectionReader::claimCounter(xcb_atom_t selection) {
    if (selection == m_clipboard) {
        return &m_clipboardClaims;
    }
    return selection == m_primary ? &m_primaryClaims : nullptr;
}

void SelectionReader::noteClaim(const xcb_generic_event_t* event) {
    if (m_xfixesEvents == 0 ||
        (event->response_type & 0x7F) != m_xfixesEvents + XCB_XFIXES_SELECTION_NOTIFY) {
        return;
    }
    const auto* notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(event);
    // A program giving the selection up (the owner None) is no copy.
    if (notify->owner == XCB_WINDOW_NONE) {
        return;
    }
    if (std::uint64_t* counter = claimCounter(notify->selection)) {
        ++*counter;
    }
}

void SelectionReader::drainEvents() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
        noteClaim(event);
        std::free(event);
    }
}

std::uint64_t SelectionReader::claims(std::string_view selection) {
    const std::lock_guard lock(m_mutex);
    if (m_connection == nullptr || m_xfixesEvents == 0) {
        return 0;
    }
    // A round trip, so that every claim made before this call is counted.
    free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    drainEvents();
    const std::uint64_t* counter = claimCounter(atom(std::string(selection)));
    return counter != nullptr ? *counter : 0;
}

bool SelectionReader::awaitClaim(std::string_view selection, std::uint64_t since,
                                 Clock::time_point deadline) {
    const std::lock_guard lock(m_mutex);
    if (m_connection == nullptr || m_xfixesEvents == 0) {
        std::this_thread::sleep_until(deadline);
        return true;
    }
    const std::uint64_t* counter = claimCounter(atom(std::string(selection)));
    if (counter == nullptr) {
        return false;
    }
    drainEvents();
    while (*counter <= since) {
        xcb_generic_event_t* event = nextEvent(deadline);
        if (event == nullptr) {
            return false;
        }
        std::free(event);  // counted by nextEvent
    }
    return true;
}

std::optional<std::string> SelectionReader::readText(std::string_view selectionName,
                                                     Clock::time_point deadline) {
    const std::lock_guard lock(m_mutex);
    if (m_connection == nullptr) {
        return std::nullopt;
    }
    const xcb_atom_t selection = atom(std::string(selectionName));
    constexpr std::size_t kTextLimit = 16 * 1024 * 1024;
    for (const char* target : {"UTF8_STRING", "STRING"}) {
        const Fetched fetched = fetch(selection, atom(target), kTextLimit, deadline);
        if (fetched.outcome == Outcome::received) {
            return std::string_view(target) == "STRING" ? latin1ToUtf8(fetched.bytes)
                                                        : fetched.bytes;
        }
        if (fetched.outcome == Outcome::timedOut) {
            break;
        }
    }
    return std::nullopt;
}

SelectionReader::~SelectionReader() {
    if (m_connection != nullptr) {
        xcb_disconnect(m_connection);
    }
}

void SelectionReader::renewWindow() {
    if (m_window != XCB_WINDOW_NONE) {
        xcb_destroy_window(m_connection, m_window);
    }
    m_window = xcb_generate_id(m_connection);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    xcb_flush(m_connection);
}

xcb_atom_t SelectionReader::atom(const std::string& name) {
    if (const auto found = m_atoms.find(name); found != m_atoms.end()) {
        return found->second;
    }
    const auto reply = owned(xcb_intern_atom_reply(
        m_connection,
        xcb_intern_atom(m_connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr));
    const xcb_atom_t value = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    m_atoms.emplace(name, value);
    return value;
}

std::string SelectionReader::atomName(xcb_atom_t value) {
    const auto reply = owned(
        xcb_get_atom_name_reply(m_connection, xcb_get_atom_name(m_connection, value), nullptr));
    if (!reply) {
        return {};
    }
    std::string name(xcb_get_atom_name_name(reply.get()),
                     static_cast<std::size_t>(xcb_get_atom_name_name_length(reply.get())));
    m_atoms.emplace(name, value);
    return name;
}

std::vector<std::string> SelectionReader::choose(const std::vector<std::string>& targets) {
    const auto offered = [&](std::string_view name) {
        return std::find(targets.begin(), targets.end(), name) != targets.end();
    };
    std::vector<std::string> chosen;
    for (const std::string_view text :
         {"UTF8_STRING", "text/plain;charset=utf-8", "STRING", "text/plain"}) {
        if (offered(text)) {
            chosen.emplace_back(text);
            break;
        }
    }
    if (offered("image/png")) {
        chosen.emplace_back("image/png");
    } else if (const auto image = std::find_if(
                   targets.begin(), targets.end(),
                   [](const std::string& target) { return startsWith(target, "image/"); });
               image != targets.end()) {
        chosen.push_back(*image);
    }
    // Targets without a MIME type (TARGETS, TIMESTAMP, MULTIPLE…) describe the selection.
    for (const std::string& target : targets) {
        if (target.find('/') != std::string::npos && !isText(target) && !isImage(target) &&
            std::find(chosen.begin(), chosen.end(), target) == chosen.end()) {
            chosen.push_back(target);
        }
    }
    return chosen;
}

xcb_generic_event_t* SelectionReader::nextEvent(Clock::time_point deadline) {
    xcb_flush(m_connection);
    while (true) {
        if (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
            noteClaim(event);
            return event;
        }
        if (xcb_connection_has_error(m_connection) != 0) {
            return nullptr;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            return nullptr;
        }
        pollfd descriptor{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        poll(&descriptor, 1, static_cast<int>(left));
    }
}

std::optional<xcb_atom_t> SelectionReader::awaitNotify(xcb_atom_t selection, xcb_atom_t target,
                                                       Clock::time_point deadline) {
    while (xcb_generic_event_t* raw = nextEvent(deadline)) {
        const auto event = owned(raw);
        if ((event->response_type & 0x7F) != XCB_SELECTION_NOTIFY) {
            continue;
        }
        const auto* notify = reinterpret_cast<const xcb_selection_notify_event_t*>(event.get());
        if (notify->requestor == m_window && notify->selection == selection &&
            notify->target == target) {
            return notify->property;
        }
    }
    return std::nullopt;
}

bool SelectionReader::awaitNewValue(Clock::time_point deadline) {
    while (xcb_generic_event_t* raw = nextEvent(deadline)) {
        const auto event = owned(raw);
        if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY) {
            continue;
        }
        const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event.get());
        if (notify->window == m_window && notify->atom == m_property &&
            notify->state == XCB_PROPERTY_NEW_VALUE) {
            return true;
        }
    }
    return false;
}

SelectionReader::Fetched SelectionReader::fetch(xcb_atom_t selection, xcb_atom_t target,
                                                std::size_t maxBytes, Clock::time_point deadline) {
    Fetched result;
    xcb_delete_property(m_connection, m_window, m_property);
    xcb_convert_selection(m_connection, m_window, selection, target, m_property, XCB_CURRENT_TIME);
    const auto property = awaitNotify(selection, target, deadline);
    if (!property) {
        result.outcome = Outcome::timedOut;
        renewWindow();
        return result;
    }
    if (*property == XCB_ATOM_NONE) {
        return result;  // refused
    }
    // Only the length first: a format over the cap is never transferred to us.
    const auto header = owned(xcb_get_property_reply(
        m_connection,
        xcb_get_property(m_connection, 0, m_window, m_property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1),
        nullptr));
    if (!header || header->type == XCB_ATOM_NONE) {
        return result;
    }
    result.type = atomName(header->type);
    if (result.type != "INCR") {
        const std::size_t size =
            header->bytes_after +
            static_cast<std::size_t>(xcb_get_property_value_length(header.get()));
        if (size > maxBytes) {
            xcb_delete_property(m_connection, m_window, m_property);
            result.outcome = Outcome::tooLarge;
            return result;
        }
        const auto whole = owned(xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 1, m_window, m_property, XCB_GET_PROPERTY_TYPE_ANY, 0,
                             static_cast<std::uint32_t>((size + 3) / 4)),
            nullptr));
        if (!whole) {
            return result;
        }
        result.bytes.assign(static_cast<const char*>(xcb_get_property_value(whole.get())),
                            static_cast<std::size_t>(xcb_get_property_value_length(whole.get())));
        result.outcome = Outcome::received;
        return result;
    }

    // An incremental transfer: the owner announced a lower bound of the size.
    std::uint32_t announced = 0;
    if (xcb_get_property_value_length(header.get()) >= 4) {
        std::memcpy(&announced, xcb_get_property_value(header.get()), sizeof announced);
    }
    if (announced > maxBytes) {
        // Leaving the property in place: the owner waits for its deletion and gives up.
        renewWindow();
        result.outcome = Outcome::tooLarge;
        return result;
    }
    xcb_delete_property(m_connection, m_window, m_property);  // "send the first chunk"
    while (true) {
        if (!awaitNewValue(deadline)) {
            renewWindow();
            result.outcome = Outcome::timedOut;
            return result;
        }
        const auto chunk = owned(
            xcb_get_property_reply(m_connection,
                                   xcb_get_property(m_connection, 1, m_window, m_property,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, UINT32_MAX / 4),
                                   nullptr));
        if (!chunk) {
            renewWindow();
            return result;
        }
        const auto length = static_cast<std::size_t>(xcb_get_property_value_length(chunk.get()));
        if (length == 0) {
            result.type = atomName(chunk->type);
            result.outcome = Outcome::received;
            return result;
        }
        if (result.bytes.size() + length > maxBytes) {
            renewWindow();
            result.bytes.clear();
            result.outcome = Outcome::tooLarge;
            return result;
        }
        result.bytes.append(static_cast<const char*>(xcb_get_property_value(chunk.get())), length);
    }
}

SelectionContent SelectionReader::read(std::string_view selectionName, std::size_t maxBytes,
                                       Clock::time_point deadline) {
    const std::lock_guard lock(m_mutex);
    SelectionContent content;
    if (m_connection == nullptr) {
        return content;
    }
    const xcb_atom_t selection = atom(std::string(selectionName));
    const auto owner = owned(xcb_get_selection_owner_reply(
        m_connection, xcb_get_selection_owner(m_connection, selection), nullptr));
    if (!owner || owner->owner == XCB_WINDOW_NONE) {
        return content;
    }

    const Fetched list = fetch(selection, atom("TARGETS"), 64 * 1024, deadline);
    std::vector<std::string> targets;
    if (list.outcome == Outcome::received) {
        const auto* atoms = reinterpret_cast<const xcb_atom_t*>(list.bytes.data());
        for (std::size_t i = 0; i < list.bytes.size() / sizeof(xcb_atom_t); ++i) {
            targets.push_back(atomName(atoms[i]));
        }
    } else {
        // An owner that cannot list its targets may still give text.
        targets = {"UTF8_STRING", "STRING"};
    }

    std::size_t total = 0;
    for (const std::string& target : choose(targets)) {
        const Fetched fetched = fetch(selection, atom(target), maxBytes - total, deadline);
        switch (fetched.outcome) {
            case Outcome::received: {
                total += fetched.bytes.size();
                const bool text = isText(target);
                std::string bytes =
                    target == "STRING" ? latin1ToUtf8(fetched.bytes) : fetched.bytes;
                content.formats.emplace_back(text ? std::string(kPlainText) : target,
                                             std::move(bytes));
                break;
            }
            case Outcome::refused:
                break;
            case Outcome::tooLarge:
                content.truncated = true;
                logLine("⚠️ " + std::string(selectionName) + " format " + target +
                        " exceeds the size limit; it will not be restored");
                break;
            case Outcome::timedOut:
                content.truncated = true;
                logLine("⚠️ " + std::string(selectionName) + " format " + target +
                        " did not arrive in time; it will not be restored");
                break;
        }
    }
    return content;
}

}  // namespace korrelang::platform::x11
