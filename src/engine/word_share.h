#pragma once

#include <cstddef>
#include <string_view>

#include "word_scorer.h"

namespace korrelang::engine {

/// How much of a text is real words: the letters of the text, and those of them that stand in
/// words the scorer accepts.
///
/// The text is split here rather than by a toolkit, because converted text is judged: a word is
/// a run of letters (characters whose first code point is Alphabetic), with an apostrophe or a
/// hyphen between two letters kept inside. A word that fails as a whole is tried in lower case,
/// then piece by piece between its apostrophes and hyphens ("l'homme" counts "homme").
struct WordShare {
    std::size_t letters = 0;
    std::size_t inWords = 0;

    /// inWords ÷ letters, 0 without letters.
    double fraction() const {
        return letters == 0 ? 0.0 : static_cast<double>(inWords) / static_cast<double>(letters);
    }

    /// Measures valid UTF-8 `text` as words of the layout `mappingID`.
    static WordShare of(std::string_view text, std::string_view mappingID, const WordScorer& words);
};

}  // namespace korrelang::engine
