#include "session_bus_call.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace korrelang::app {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint8_t kMethodCall = 1;
constexpr std::uint8_t kMethodReturn = 2;
constexpr std::uint8_t kError = 3;
constexpr std::uint8_t kFieldPath = 1;
constexpr std::uint8_t kFieldInterface = 2;
constexpr std::uint8_t kFieldMember = 3;
constexpr std::uint8_t kFieldErrorName = 4;
constexpr std::uint8_t kFieldReplySerial = 5;
constexpr std::uint8_t kFieldDestination = 6;
constexpr std::uint32_t kHelloSerial = 1;
constexpr std::uint32_t kCallSerial = 2;
// Far above any reply this call can get; a larger header or body is not a bus speaking.
constexpr std::uint32_t kMaxMessage = 1U << 20U;
constexpr bool kLittleEndian = std::endian::native == std::endian::little;

class Socket {
public:
    explicit Socket(int fd) : m_fd(fd) {}
    ~Socket() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// "%2f" and the like in an address value.
std::optional<std::string> unescape(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '%') {
            out += value[i];
            continue;
        }
        if (i + 2 >= value.size()) {
            return std::nullopt;
        }
        const std::string hex = value.substr(i + 1, 2);
        char* end = nullptr;
        const long byte = std::strtol(hex.c_str(), &end, 16);
        if (hex.size() != 2 || end != hex.c_str() + 2) {
            return std::nullopt;
        }
        out += static_cast<char>(byte);
        i += 2;
    }
    return out;
}

// The socket of one address entry ("unix:path=…" or "unix:abstract=…"), connected; -1 when the
// entry names another transport or cannot be reached.
int connectEntry(const std::string& entry) {
    if (entry.rfind("unix:", 0) != 0) {
        return -1;
    }
    std::optional<std::string> path;
    bool abstract = false;
    std::size_t start = 5;
    while (start < entry.size()) {
        const std::size_t comma = entry.find(',', start);
        const std::string pair = entry.substr(start, comma - start);
        start = comma == std::string::npos ? entry.size() : comma + 1;
        const std::size_t equals = pair.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        const std::string key = pair.substr(0, equals);
        if (key == "path" || key == "abstract") {
            path = unescape(pair.substr(equals + 1));
            abstract = key == "abstract";
        }
    }
    sockaddr_un address{};
    const std::size_t offset = abstract ? 1 : 0;
    if (!path || path->empty() || path->size() + offset >= sizeof address.sun_path) {
        return -1;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + offset, path->data(), path->size());
    const auto length =
        static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path->size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return -1;
    }
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address),
                  abstract ? length : static_cast<socklen_t>(sizeof address)) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool sendAll(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads until `buffer` holds at least `size` bytes; false on end, error or the deadline.
bool readAtLeast(int fd, std::string& buffer, std::size_t size, Clock::time_point deadline) {
    char chunk[4096];
    while (buffer.size() < size) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd entry{fd, POLLIN, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(left.count()));
        if (ready == 0 || (ready < 0 && errno == EINTR)) {
            continue;
        }
        if (ready < 0) {
            return false;
        }
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        buffer.append(chunk, static_cast<std::size_t>(n));
    }
    return true;
}

// Marshals in the machine's byte order, which the first byte of each message names.
class Writer {
public:
    void align(std::size_t to) {
        while (m_bytes.size() % to != 0) {
            m_bytes += '\0';
        }
    }
    void byte(std::uint8_t value) { m_bytes += static_cast<char>(value); }
    void uint32(std::uint32_t value) {
        align(4);
        m_bytes.append(reinterpret_cast<const char*>(&value), 4);
    }
    void string(const std::string& value) {
        uint32(static_cast<std::uint32_t>(value.size()));
        m_bytes += value;
        m_bytes += '\0';
    }
    void field(std::uint8_t code, char type, const std::string& value) {
        align(8);
        byte(code);
        byte(1);
        byte(static_cast<std::uint8_t>(type));
        byte(0);
        string(value);
    }
    void patch32(std::size_t at, std::uint32_t value) {
        std::memcpy(m_bytes.data() + at, &value, 4);
    }
    std::string& bytes() { return m_bytes; }

private:
    std::string m_bytes;
};

std::string methodCall(std::uint32_t serial, const std::string& destination,
                       const std::string& path, const std::string& interface,
                       const std::string& member) {
    Writer out;
    out.byte(kLittleEndian ? 'l' : 'B');
    out.byte(kMethodCall);
    out.byte(0);    // flags: a reply is wanted
    out.byte(1);    // protocol version
    out.uint32(0);  // no body
    out.uint32(serial);
    out.uint32(0);  // the fields' length, patched below
    const std::size_t fieldsStart = out.bytes().size();
    out.field(kFieldPath, 'o', path);
    if (!interface.empty()) {
        out.field(kFieldInterface, 's', interface);
    }
    out.field(kFieldMember, 's', member);
    out.field(kFieldDestination, 's', destination);
    out.patch32(12, static_cast<std::uint32_t>(out.bytes().size() - fieldsStart));
    out.align(8);
    return std::move(out.bytes());
}

// One message as read: its type, the serial it replies to, the error name and the first string
// of the body (an error's message).
struct Message {
    std::uint8_t type = 0;
    std::optional<std::uint32_t> replySerial;
    std::string errorName;
    std::string text;
};

class Reader {
public:
    Reader(const std::string& bytes, bool swap) : m_bytes(bytes), m_swap(swap) {}
    bool align(std::size_t to) {
        while (m_at % to != 0) {
            ++m_at;
        }
        return m_at <= m_bytes.size();
    }
    std::optional<std::uint8_t> byte() {
        if (m_at >= m_bytes.size()) {
            return std::nullopt;
        }
        return static_cast<std::uint8_t>(m_bytes[m_at++]);
    }
    std::optional<std::uint32_t> uint32() {
        if (!align(4) || m_at + 4 > m_bytes.size()) {
            return std::nullopt;
        }
        std::uint32_t value = 0;
        std::memcpy(&value, m_bytes.data() + m_at, 4);
        m_at += 4;
        return m_swap ? __builtin_bswap32(value) : value;
    }
    std::optional<std::string> string(bool signature) {
        // A signature's length is one byte, a string's four.
        const auto length = signature ? std::optional<std::uint32_t>(byte()) : uint32();
        if (!length || m_at + *length + 1 > m_bytes.size()) {
            return std::nullopt;
        }
        std::string value = m_bytes.substr(m_at, *length);
        m_at += *length + 1;
        return value;
    }
    std::size_t at() const { return m_at; }
    void seek(std::size_t at) { m_at = at; }

private:
    const std::string& m_bytes;
    bool m_swap;
    std::size_t m_at = 0;
};

std::optional<Message> parse(const std::string& bytes, std::size_t fieldsEnd) {
    Reader in(bytes, (bytes[0] == 'l') != kLittleEndian);
    Message message;
    message.type = static_cast<std::uint8_t>(bytes[1]);
    in.seek(16);
    std::string bodySignature;
    while (in.at() < fieldsEnd) {
        in.align(8);
        if (in.at() >= fieldsEnd) {
            break;
        }
        const auto code = in.byte();
        const auto signature = in.string(true);
        if (!code || !signature || signature->size() != 1) {
            return std::nullopt;
        }
        const char type = (*signature)[0];
        if (type == 'u') {
            const auto value = in.uint32();
            if (!value) {
                return std::nullopt;
            }
            if (*code == kFieldReplySerial) {
                message.replySerial = *value;
            }
        } else if (type == 's' || type == 'o' || type == 'g') {
            const auto value = in.string(type == 'g');
            if (!value) {
                return std::nullopt;
            }
            if (*code == kFieldErrorName) {
                message.errorName = *value;
            } else if (type == 'g') {
                bodySignature = *value;
            }
        } else {
            return std::nullopt;  // no other header field type exists
        }
    }
    if (bodySignature.rfind('s', 0) == 0) {
        in.seek((fieldsEnd + 7) / 8 * 8);
        message.text = in.string(false).value_or("");
    }
    return message;
}

// The next whole message from the socket.
std::optional<Message> readMessage(int fd, std::string& buffer, Clock::time_point deadline) {
    if (!readAtLeast(fd, buffer, 16, deadline) || (buffer[0] != 'l' && buffer[0] != 'B')) {
        return std::nullopt;
    }
    Reader header(buffer, (buffer[0] == 'l') != kLittleEndian);
    header.seek(4);
    const std::uint32_t bodyLength = header.uint32().value_or(0);
    header.seek(12);
    const std::uint32_t fieldsLength = header.uint32().value_or(0);
    if (bodyLength > kMaxMessage || fieldsLength > kMaxMessage) {
        return std::nullopt;
    }
    const std::size_t fieldsEnd = 16 + fieldsLength;
    const std::size_t total = (fieldsEnd + 7) / 8 * 8 + bodyLength;
    if (!readAtLeast(fd, buffer, total, deadline)) {
        return std::nullopt;
    }
    const std::string bytes = buffer.substr(0, total);
    buffer.erase(0, total);
    return parse(bytes, fieldsEnd);
}

// "OK <guid>\r\n" after our EXTERNAL credentials, or nothing.
bool authenticate(int fd, Clock::time_point deadline) {
    // The uid in decimal, each ASCII digit written in hex: '0' is "30".
    std::string hexUid;
    for (const char digit : std::to_string(::getuid())) {
        hexUid += {'3', digit};
    }
    if (!sendAll(fd, std::string(1, '\0') + "AUTH EXTERNAL " + hexUid + "\r\n")) {
        return false;
    }
    std::string line;
    while (line.find("\r\n") == std::string::npos) {
        if (!readAtLeast(fd, line, line.size() + 1, deadline) || line.size() > 512) {
            return false;
        }
    }
    return line.rfind("OK ", 0) == 0 && line.size() == line.find("\r\n") + 2 &&
           sendAll(fd, "BEGIN\r\n");
}

std::optional<std::string> defaultAddress() {
    if (const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address && *address) {
        return address;
    }
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        return std::string("unix:path=") + runtime + "/bus";
    }
    return std::nullopt;
}

}  // namespace

SessionBusCall::Result SessionBusCall::call(const std::string& destination, const std::string& path,
                                            const std::string& interface, const std::string& member,
                                            std::chrono::milliseconds timeout,
                                            std::optional<std::string> address) {
    const auto deadline = Clock::now() + timeout;
    if (!address) {
        address = defaultAddress();
    }
    if (!address) {
        return {false, "no session bus address (DBUS_SESSION_BUS_ADDRESS is not set)"};
    }
    int fd = -1;
    for (std::size_t start = 0; start <= address->size() && fd < 0;) {
        const std::size_t end = std::min(address->find(';', start), address->size());
        fd = connectEntry(address->substr(start, end - start));
        start = end + 1;
    }
    if (fd < 0) {
        return {false, "cannot connect to the session bus at " + *address};
    }
    const Socket socket(fd);
    if (!authenticate(fd, deadline)) {
        return {false, "the session bus refused the connection"};
    }
    // The bus wants Hello first; the call follows at once, without waiting for the name.
    if (!sendAll(fd, methodCall(kHelloSerial, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                "org.freedesktop.DBus", "Hello") +
                         methodCall(kCallSerial, destination, path, interface, member))) {
        return {false, "the session bus closed the connection"};
    }
    std::string buffer;
    for (;;) {
        const auto message = readMessage(fd, buffer, deadline);
        if (!message) {
            return {false, Clock::now() >= deadline ? "no reply in time"
                                                    : "the session bus closed the connection"};
        }
        if (message->replySerial != kCallSerial && message->replySerial != kHelloSerial) {
            continue;  // a signal (NameAcquired)
        }
        if (message->type == kError) {
            return {false,
                    message->errorName + (message->text.empty() ? "" : ": ") + message->text};
        }
        if (message->type == kMethodReturn && message->replySerial == kCallSerial) {
            return {true, {}};
        }
    }
}

}  // namespace korrelang::app
