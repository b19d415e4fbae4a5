#pragma once

#include <optional>
#include <string>

#include "platform/accessibility_text.h"

namespace korrelang::service {

/// Replacing a range of an element's text through the accessibility interface so that it cannot
/// damage: the text is read back after the write and compared with what was intended, and when
/// it differs (a field that answers yes and changes nothing, a length limit that truncated, an
/// offset counted in other units) the original is put back exactly and checked.
class VerifiedTextWrite {
public:
    enum class Result {
        written,     ///< the element's text is exactly the intended one
        notWritten,  ///< the element's text is exactly what it was before
        /// every call answered success and the text is exactly what it was before: the element
        /// takes no writes this way, whatever it answers
        ignored,
        damaged,  ///< the text differs from both, and putting the original back failed
    };

    /// The selection (a caret when empty) before a write, in characters of the text then, and
    /// the one to leave after it, in characters of the new text.
    struct Selections {
        platform::TextRange before;
        platform::TextRange after;
    };

    /// Replaces characters `range` of the element's text, which must still read `expected`,
    /// with `replacement`. Tries inserting before deleting (fast in GTK editors), then deleting
    /// before inserting (what a field with a length limit needs). With `selections`, leaves
    /// `after` selected on `written` and `before` otherwise. `together`: the application took
    /// writes before, so the first try's calls may be sent at once (see TextElement::rewrite).
    static Result replace(platform::TextElement& element, platform::TextRange range,
                          const std::string& expected, const std::string& replacement,
                          std::optional<Selections> selections = std::nullopt,
                          bool together = false);

    /// What differs between two texts: the characters of `current` to replace, and what to put
    /// there to get `original` back.
    struct Difference {
        platform::TextRange inCurrent;
        std::string originalPart;
    };
    static Difference difference(const std::string& original, const std::string& current);
    /// `text` with characters `range` replaced by `replacement` (the range clamped to the text).
    static std::string replaced(const std::string& text, platform::TextRange range,
                                const std::string& replacement);

    /// Makes the element's text, now `current`, read `original` again by rewriting only the part
    /// that differs; true when a read-back confirms it.
    static bool restore(platform::TextElement& element, const std::string& original,
                        const std::string& current);
};

}  // namespace korrelang::service
