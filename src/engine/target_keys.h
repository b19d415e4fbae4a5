#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "keyboard_mapping.h"
#include "output_buffer.h"

namespace korrelang::engine {

/// What the target types on each key and Shift state, looked up once per conversion.
class TargetKeys {
public:
    explicit TargetKeys(const KeyboardMapping& target) {
        for (const KeyEntry& entry : target.keyMap()) {
            set(entry.keyCode, false, entry.texts.normal);
            set(entry.keyCode, true, entry.texts.shifted);
        }
    }
    /// `code` is key code × 2 + shifted, as in KeyboardMapping::keysByNumber().
    void append(OutputBuffer& out, std::int8_t code) const {
        const auto index = static_cast<std::size_t>(code);
        if (m_long[index].empty()) {
            out.append(m_pieces[index]);
        } else {
            out.append(std::string_view(m_long[index]));
        }
    }
    std::string_view text(std::int8_t code) const {
        const auto index = static_cast<std::size_t>(code);
        return m_long[index].empty() ? m_pieces[index].text() : std::string_view(m_long[index]);
    }

private:
    void set(KeyCode keyCode, bool shifted, const std::string& text) {
        const std::size_t index = keyCode * 2u + (shifted ? 1u : 0u);
        if (text.size() > OutputBuffer::kBlock) {
            m_long[index] = text;
        } else {
            m_pieces[index] = OutputBuffer::piece(text);
        }
    }

    std::array<OutputBuffer::Piece, kKeyCodeLimit * 2> m_pieces{};
    std::array<std::string, kKeyCodeLimit * 2> m_long{};
};

}  // namespace korrelang::engine
