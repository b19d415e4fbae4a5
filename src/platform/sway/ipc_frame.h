#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korrelang::platform::sway {

/// sway's IPC message types and event types (events have the high bit set).
namespace IpcType {
inline constexpr std::uint32_t runCommand = 0;
inline constexpr std::uint32_t subscribe = 2;
inline constexpr std::uint32_t getTree = 4;
inline constexpr std::uint32_t getVersion = 7;
inline constexpr std::uint32_t getInputs = 100;
inline constexpr std::uint32_t eventBit = 0x80000000U;
inline constexpr std::uint32_t bindingEvent = eventBit | 5U;
inline constexpr std::uint32_t shutdownEvent = eventBit | 6U;
inline constexpr std::uint32_t inputEvent = eventBit | 21U;
}  // namespace IpcType

/// One IPC message: "i3-ipc", the payload's length and the type (both 32-bit, native byte
/// order), then the JSON payload.
struct IpcMessage {
    std::uint32_t type = 0;
    std::string payload;
    bool isEvent() const { return (type & IpcType::eventBit) != 0; }
};

/// Encodes messages and cuts a byte stream back into them.
class IpcFrame {
public:
    static constexpr std::size_t kHeaderSize = 14;
    /// Larger payloads are refused: a tree of a busy desktop is a few hundred KiB.
    static constexpr std::size_t kMaxPayload = 64U * 1024U * 1024U;

    static std::string encode(std::uint32_t type, std::string_view payload);

    /// Appends bytes read from the socket.
    void feed(std::string_view bytes);
    /// The next complete message, or nothing while one is incomplete. After a corrupt header
    /// (wrong magic, oversized length) it answers nothing for good and `failed()` is true: the
    /// stream cannot be resynchronised.
    std::optional<IpcMessage> next();
    bool failed() const { return m_failed; }
    std::size_t buffered() const { return m_buffer.size(); }

private:
    std::string m_buffer;
    bool m_failed = false;
};

}  // namespace korrelang::platform::sway
