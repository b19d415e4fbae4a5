#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "keyboard_mapping.h"
#include "word_scorer.h"

namespace korrelang::engine {

/// The word check of LayoutConverter: where the rules alone would guess between several
/// targets, or between several layouts that type the text equally well, reads each candidate
/// result as words of its target's language and picks the one clearly ahead.
class SpellingPick {
public:
    struct Pick {
        KeyboardMapping source;
        KeyboardMapping target;
    };
    /// The text converted from one layout to another.
    using Convert =
        std::function<std::string(const KeyboardMapping& source, const KeyboardMapping& target)>;

    /// `words` must outlive the pick.
    SpellingPick(const WordScorer& words, Convert convert);

    /// The source and target for valid UTF-8 `text`, whose characters each of `candidates`
    /// types `matched[i]` of, and which `detected` was detected as typed in. Nothing when the
    /// words leave the choice to the usual rules: no choice to make (one source with one target
    /// or with the preferred one), no dictionary for any candidate, or no result clearly ahead
    /// while the usual order of targets gives one that differs from the text. A preferred
    /// target stands; the words then only choose its source.
    std::optional<Pick> choose(std::string_view text, const std::vector<std::size_t>& matched,
                               const std::vector<KeyboardMapping>& candidates,
                               const KeyboardMapping& detected,
                               const std::optional<std::string>& activeLayoutID,
                               const std::optional<std::string>& preferredTargetID) const;

private:
    const WordScorer& m_words;
    Convert m_convert;
};

}  // namespace korrelang::engine
