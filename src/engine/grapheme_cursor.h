#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

struct UText;

namespace korrelang::engine {

/// Walks the user-perceived characters (extended grapheme clusters) of valid UTF-8 text.
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

    /// Stores the next character in `cluster` and returns true, or returns false at the end.
    bool next(std::string_view& cluster);

    /// Number of characters of `utf8`.
    static std::size_t count(std::string_view utf8);
    /// The first `characters` characters of `utf8` (all of it when shorter).
    static std::string_view prefix(std::string_view utf8, std::size_t characters);

private:
    std::size_t boundaryAfter(std::size_t start);

    std::string_view m_text;
    std::size_t m_position = 0;
    UText* m_utext = nullptr;  // opened on first use of the break iterator
    std::uint64_t m_serial = 0;
};

}  // namespace korrelang::engine
