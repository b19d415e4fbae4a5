#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "ipc_frame.h"

namespace korrelang::platform::sway {

/// A blocking connection to sway's IPC socket for requests and their replies. The socket is
/// closed with the object. Any thread: requests are serialised.
class SwayIpc {
public:
    using Milliseconds = std::chrono::milliseconds;
    static constexpr Milliseconds kDefaultTimeout{500};

    /// Connects to `socketPath`; `isOpen()` tells whether that worked (failures are logged).
    explicit SwayIpc(const std::string& socketPath);
    ~SwayIpc();
    SwayIpc(const SwayIpc&) = delete;
    SwayIpc& operator=(const SwayIpc&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

    /// Sends one request and waits for its reply; events that arrive in between are skipped.
    /// Nothing on a closed socket, a timeout or a corrupt stream.
    std::optional<std::string> request(std::uint32_t type, std::string_view payload,
                                       Milliseconds timeout = kDefaultTimeout);
    /// Sends a message without waiting.
    bool send(std::uint32_t type, std::string_view payload);
    /// Reads what the socket holds now (without blocking) into the frame; false when the peer
    /// has gone or the stream is corrupt.
    bool readAvailable();
    /// The next complete message read so far.
    std::optional<IpcMessage> nextMessage() {
        const std::lock_guard lock(m_mutex);
        return m_frame.next();
    }

    /// Whether a sway at `socketPath` answers a version request.
    static bool answers(const std::string& socketPath);
    /// The socket of the session's sway (SWAYSOCK), empty when unset.
    static std::string sessionSocket();

private:
    bool waitReadable(Milliseconds timeout) const;
    bool sendLocked(std::uint32_t type, std::string_view payload);
    bool readLocked();

    int m_fd = -1;
    IpcFrame m_frame;
    std::mutex m_mutex;
};

}  // namespace korrelang::platform::sway
