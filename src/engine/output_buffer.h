#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace korrelang::engine {

/// The converted text under construction. Short pieces are copied as fixed 16-byte blocks
/// from padded sources, which is much cheaper than a copy of exactly their length per character.
class OutputBuffer {
public:
    static constexpr std::size_t kBlock = 16;

    struct Piece {
        std::array<char, kBlock> bytes{};
        std::uint8_t size = 0;
        std::string_view text() const { return {bytes.data(), size}; }
    };

    static Piece piece(std::string_view text) {
        Piece piece;
        const std::size_t size = std::min(text.size(), kBlock);
        std::copy_n(text.data(), size, piece.bytes.begin());
        piece.size = static_cast<std::uint8_t>(size);
        return piece;
    }

    explicit OutputBuffer(std::size_t expected) { m_bytes.resize(expected + kBlock); }

    void append(const Piece& piece) {
        reserve(kBlock);
        std::memcpy(m_bytes.data() + m_size, piece.bytes.data(), kBlock);
        m_size += piece.size;
    }
    void append(std::string_view text) {
        reserve(text.size());
        std::memcpy(m_bytes.data() + m_size, text.data(), text.size());
        m_size += text.size();
    }
    std::string take() {
        m_bytes.resize(m_size);
        return std::move(m_bytes);
    }

private:
    void reserve(std::size_t extra) {
        if (m_size + extra > m_bytes.size()) {
            m_bytes.resize(std::max(m_bytes.size() * 2, m_size + extra + kBlock));
        }
    }

    std::string m_bytes;
    std::size_t m_size = 0;
};

}  // namespace korrelang::engine
