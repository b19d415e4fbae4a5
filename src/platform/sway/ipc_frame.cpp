#include "ipc_frame.h"

#include <cstring>

namespace korrelang::platform::sway {

namespace {

constexpr std::string_view kMagic = "i3-ipc";

void appendWord(std::string& out, std::uint32_t value) {
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    out.append(bytes, sizeof value);
}

std::uint32_t readWord(const std::string& in, std::size_t at) {
    std::uint32_t value = 0;
    std::memcpy(&value, in.data() + at, sizeof value);
    return value;
}

}  // namespace

std::string IpcFrame::encode(std::uint32_t type, std::string_view payload) {
    std::string out;
    out.reserve(kHeaderSize + payload.size());
    out.append(kMagic);
    appendWord(out, static_cast<std::uint32_t>(payload.size()));
    appendWord(out, type);
    out.append(payload);
    return out;
}

void IpcFrame::feed(std::string_view bytes) {
    if (!m_failed) {
        m_buffer.append(bytes);
    }
}

std::optional<IpcMessage> IpcFrame::next() {
    if (m_failed || m_buffer.size() < kHeaderSize) {
        // A wrong magic shows as soon as its bytes are there.
        const std::size_t seen = std::min(m_buffer.size(), kMagic.size());
        if (!m_failed && m_buffer.compare(0, seen, kMagic, 0, seen) != 0) {
            m_failed = true;
            m_buffer.clear();
        }
        return std::nullopt;
    }
    const std::uint32_t length = readWord(m_buffer, kMagic.size());
    if (m_buffer.compare(0, kMagic.size(), kMagic) != 0 || length > kMaxPayload) {
        m_failed = true;
        m_buffer.clear();
        return std::nullopt;
    }
    if (m_buffer.size() < kHeaderSize + length) {
        return std::nullopt;
    }
    IpcMessage message{readWord(m_buffer, kMagic.size() + 4), m_buffer.substr(kHeaderSize, length)};
    m_buffer.erase(0, kHeaderSize + length);
    return message;
}

}  // namespace korrelang::platform::sway
