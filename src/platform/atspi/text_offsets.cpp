#include "text_offsets.h"

#include <algorithm>

#include "engine/grapheme_cursor.h"

namespace korrelang::platform::atspi {

namespace {

long unitsOfCodePointAt(unsigned char lead, OffsetUnit unit) {
    // Four-byte sequences are the code points beyond the BMP: a surrogate pair in UTF-16.
    return unit == OffsetUnit::utf16 && lead >= 0xF0 ? 2 : 1;
}

}  // namespace

long TextOffsets::lengthIn(std::string_view utf8, OffsetUnit unit) {
    long length = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) {
            length += unitsOfCodePointAt(byte, unit);
        }
    }
    return length;
}

TextOffsets::TextOffsets(std::string_view utf8, OffsetUnit unit) : m_text(utf8) {
    m_toolkit.push_back(0);
    m_bytes.push_back(0);
    engine::GraphemeCursor cursor(m_text);
    std::string_view cluster;
    std::size_t byte = 0;
    while (cursor.next(cluster)) {
        byte += cluster.size();
        m_toolkit.push_back(m_toolkit.back() + lengthIn(cluster, unit));
        m_bytes.push_back(byte);
    }
}

long TextOffsets::clamp(long character) const {
    return std::clamp(character, 0L, characterCount());
}

long TextOffsets::toToolkit(long character) const {
    return m_toolkit[static_cast<std::size_t>(clamp(character))];
}

long TextOffsets::characterAtOrBefore(long offset) const {
    const auto it = std::upper_bound(m_toolkit.begin(), m_toolkit.end(), offset);
    if (it == m_toolkit.begin()) {
        return 0;
    }
    return static_cast<long>(it - m_toolkit.begin()) - 1;
}

long TextOffsets::characterAtOrAfter(long offset) const {
    const auto it = std::lower_bound(m_toolkit.begin(), m_toolkit.end(), offset);
    if (it == m_toolkit.end()) {
        return characterCount();
    }
    return static_cast<long>(it - m_toolkit.begin());
}

std::string TextOffsets::slice(long from, long to) const {
    const auto begin = m_bytes[static_cast<std::size_t>(clamp(from))];
    const auto end = m_bytes[static_cast<std::size_t>(clamp(std::max(from, to)))];
    return m_text.substr(begin, end - begin);
}

}  // namespace korrelang::platform::atspi
