#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "code_point_traits.h"

struct UText;

namespace korrelang::engine {

/// Walks the user-perceived characters (extended grapheme clusters) of valid UTF-8 text (the
/// caller validates; see unicode::isValidUtf8).
///
/// Runs of code points that the segmentation rules always separate (ASCII, and any two code
/// points whose Grapheme_Cluster_Break is Other, Control or LF) are split without asking ICU;
/// everything else is decided by ICU's character break iterator, so the result is exactly ICU's.
/// The text must outlive the cursor.
class GraphemeCursor {
public:
    explicit GraphemeCursor(std::string_view utf8);
    ~GraphemeCursor();
    GraphemeCursor(const GraphemeCursor&) = delete;
    GraphemeCursor& operator=(const GraphemeCursor&) = delete;

    /// Marks a character of several code points in next()'s `single`.
    static constexpr char32_t kSeveral = 0xFFFFFFFF;

    /// Stores the next character in `cluster` and returns true, or returns false at the end.
    bool next(std::string_view& cluster) {
        char32_t single = 0;
        return next(cluster, single);
    }

    /// Like next(cluster); `single` receives the character's code point when it is a single
    /// code point, kSeveral otherwise.
    bool next(std::string_view& cluster, char32_t& single) {
        const std::size_t start = m_position;
        if (start >= m_text.size()) {
            return false;
        }
        const auto* bytes = reinterpret_cast<const unsigned char*>(m_text.data());
        if (isLoneAscii(m_text, start)) {
            // ASCII followed by ASCII is always two characters, except CR LF.
            m_position = start + 1;
            single = bytes[start];
        } else {
            std::size_t length = 0;
            const char32_t first = decode(bytes + start, length);
            const std::size_t afterFirst = start + length;
            single = first;
            if (afterFirst >= m_text.size()) {
                m_position = m_text.size();
            } else if (first == '\r') {
                m_position = bytes[afterFirst] == '\n' ? afterFirst + 1 : afterFirst;
                single = m_position == afterFirst ? first : kSeveral;
            } else if (const char32_t second = decode(bytes + afterFirst, length);
                       isPlainBreak(first) && (second == '\r' || isPlainBreak(second))) {
                m_position = afterFirst;
            } else {
                m_position = boundaryAfter(start);
                single = m_position == afterFirst ? first : kSeveral;
            }
        }
        cluster = m_text.substr(start, m_position - start);
        return true;
    }

    /// Where the next character starts.
    std::size_t position() const { return m_position; }
    /// Continues at `position`, which must be the start of a character.
    void seek(std::size_t position) { m_position = position; }

    /// Whether the byte at `position` is an ASCII character on its own: ASCII, not a CR, and
    /// followed by ASCII or the end (nothing non-ASCII can attach to it).
    static bool isLoneAscii(std::string_view utf8, std::size_t position) {
        const auto byte = static_cast<unsigned char>(utf8[position]);
        return byte < 0x80 && byte != '\r' &&
               (position + 1 == utf8.size() ||
                static_cast<unsigned char>(utf8[position + 1]) < 0x80);
    }

    /// Number of characters of `utf8`.
    static std::size_t count(std::string_view utf8);
    /// The first `characters` characters of `utf8` (all of it when shorter).
    static std::string_view prefix(std::string_view utf8, std::size_t characters);

private:
    // Decodes one code point of valid UTF-8.
    static char32_t decode(const unsigned char* bytes, std::size_t& length) {
        if (bytes[0] < 0x80) {
            length = 1;
            return bytes[0];
        }
        if (bytes[0] < 0xE0) {
            length = 2;
            return (char32_t{bytes[0] & 0x1Fu} << 6) | (bytes[1] & 0x3Fu);
        }
        if (bytes[0] < 0xF0) {
            length = 3;
            return (char32_t{bytes[0] & 0x0Fu} << 12) | (char32_t{bytes[1] & 0x3Fu} << 6) |
                   (bytes[2] & 0x3Fu);
        }
        length = 4;
        return (char32_t{bytes[0] & 0x07u} << 18) | (char32_t{bytes[1] & 0x3Fu} << 12) |
               (char32_t{bytes[2] & 0x3Fu} << 6) | (bytes[3] & 0x3Fu);
    }
    static bool isPlainBreak(char32_t codePoint) {
        return (CodePointTraits::of(codePoint) & CodePointTraits::kPlainBreak) != 0;
    }

    std::size_t boundaryAfter(std::size_t start);

    std::string_view m_text;
    std::size_t m_position = 0;
    UText* m_utext = nullptr;  // opened on first use of the break iterator
    std::uint64_t m_serial = 0;
};

}  // namespace korrelang::engine
