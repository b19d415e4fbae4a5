#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace korrelang::engine {

/// One diagnostic line, built from segments. Text that came from the user (what they typed or
/// selected) is kept apart from the rest so that a sink can withhold it: the application shows
/// "<N chars>" in its place unless the user turned debug output on.
class LogLine {
public:
    struct Segment {
        std::string text;
        std::size_t characters = 0;  ///< user-perceived characters, for user text only
        bool isUserText = false;
    };

    LogLine() = default;
    explicit LogLine(std::string_view plain) { append(plain); }

    /// Appends text that is not the user's (names, counts, identifiers).
    LogLine& append(std::string_view plain);
    /// Appends the user's text; `characters` is its length in user-perceived characters.
    LogLine& appendUserText(std::string_view text, std::size_t characters);

    LogLine& operator<<(std::string_view plain) { return append(plain); }

    /// The line as text. With `showUserText` false, each user segment reads "<N chars>".
    std::string render(bool showUserText) const;

private:
    std::vector<Segment> m_segments;
};

}  // namespace korrelang::engine
