#include "sway_ipc.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/log.h"

namespace korrelang::platform::sway {

SwayIpc::SwayIpc(const std::string& socketPath) {
    sockaddr_un address{};
    if (socketPath.empty() || socketPath.size() >= sizeof address.sun_path) {
        logLine("sway IPC: no usable socket path");
        return;
    }
    m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_fd < 0) {
        logLine(std::string("sway IPC: socket: ") + std::strerror(errno));
        return;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    if (::connect(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        logLine("sway IPC: cannot connect to " + socketPath + ": " + std::strerror(errno));
        ::close(m_fd);
        m_fd = -1;
    }
}

SwayIpc::~SwayIpc() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

bool SwayIpc::send(std::uint32_t type, std::string_view payload) {
    const std::lock_guard lock(m_mutex);
    return sendLocked(type, payload);
}

bool SwayIpc::sendLocked(std::uint32_t type, std::string_view payload) {
    if (m_fd < 0) {
        return false;
    }
    const std::string bytes = IpcFrame::encode(type, payload);
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n =
            ::send(m_fd, bytes.data() + written, bytes.size() - written, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            logLine(std::string("sway IPC: send: ") + std::strerror(errno));
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

bool SwayIpc::waitReadable(Milliseconds timeout) const {
    pollfd entry{m_fd, POLLIN, 0};
    const int ready = ::poll(&entry, 1, static_cast<int>(timeout.count()));
    return ready > 0;
}

bool SwayIpc::readAvailable() {
    const std::lock_guard lock(m_mutex);
    return readLocked();
}

bool SwayIpc::readLocked() {
    if (m_fd < 0 || m_frame.failed()) {
        return false;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n > 0) {
            m_frame.feed(std::string_view(buffer, static_cast<std::size_t>(n)));
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return true;
        }
        return false;  // closed by sway, or an error
    }
}

std::optional<std::string> SwayIpc::request(std::uint32_t type, std::string_view payload,
                                            Milliseconds timeout) {
    const std::lock_guard lock(m_mutex);
    if (!sendLocked(type, payload)) {
        return std::nullopt;
    }
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        while (auto message = m_frame.next()) {
            if (message->type == type) {
                return std::move(message->payload);
            }
        }
        const auto left =
            std::chrono::duration_cast<Milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !waitReadable(left) || !readLocked()) {
            logLine("sway IPC: no reply to request " + std::to_string(type));
            return std::nullopt;
        }
    }
}

bool SwayIpc::answers(const std::string& socketPath) {
    SwayIpc ipc(socketPath);
    return ipc.isOpen() && ipc.request(IpcType::getVersion, {}).has_value();
}

std::string SwayIpc::sessionSocket() {
    const char* path = std::getenv("SWAYSOCK");
    return path != nullptr ? path : "";
}

}  // namespace korrelang::platform::sway
