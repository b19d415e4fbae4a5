#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korrelang::platform::atspi {

/// The unit in which a toolkit counts text offsets.
enum class OffsetUnit {
    codePoint,  ///< GTK, browsers
    utf16,      ///< Qt
};

/// Exact conversion between user-perceived characters (extended grapheme clusters) and a
/// toolkit's offsets for one text. Offsets inside a cluster round down for a range's start and up
/// for its end, so a range never splits a character; every result is clamped to the text.
class TextOffsets {
public:
    TextOffsets(std::string_view utf8, OffsetUnit unit);

    long characterCount() const { return static_cast<long>(m_toolkit.size()) - 1; }
    long toolkitLength() const { return m_toolkit.back(); }

    /// The toolkit offset of the boundary before character `character` (clamped).
    long toToolkit(long character) const;
    /// The character whose boundary is at or before `offset`.
    long characterAtOrBefore(long offset) const;
    /// The first character boundary at or after `offset`.
    long characterAtOrAfter(long offset) const;
    /// Characters [from, to) as UTF-8 (clamped).
    std::string slice(long from, long to) const;

    /// The length of `utf8` in `unit`s.
    static long lengthIn(std::string_view utf8, OffsetUnit unit);

private:
    long clamp(long character) const;

    std::string m_text;
    std::vector<long> m_toolkit;  ///< toolkit offset of each boundary, first 0, last the length
    std::vector<std::size_t> m_bytes;  ///< byte offset of each boundary
};

}  // namespace korrelang::platform::atspi
