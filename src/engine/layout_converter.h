#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conversion_result.h"
#include "keyboard_mapping.h"
#include "keyboard_mapping_registry.h"
#include "word_scorer.h"

namespace korrelang::engine {

/// Turns text typed in the wrong keyboard layout into the text the user meant. Stateless and
/// safe to call from any thread.
///
/// Characters are grapheme clusters compared in NFC. Besides whole characters, two kinds of
/// character are converted piecewise, because no key types them as a whole:
/// - a character of several code points (a consonant with a vowel sign, a letter with an
///   accent) whose every NFC code point the source layout types;
/// - a Hangul syllable or compound jamo, as the jamo keys that type it.
/// Such characters also count as typed by that layout when the source is detected. Text
/// converted to Korean is composed back into Hangul syllables.
///
/// Given a WordScorer, the converter also reads the candidate results as words when the rules
/// alone would guess: see convert().
class LayoutConverter {
public:
    explicit LayoutConverter(
        const KeyboardMappingRegistry& registry = KeyboardMappingRegistry::shared())
        : m_registry(registry) {}
    /// `words` may be null (the rules alone decide) and must outlive the converter.
    explicit LayoutConverter(const WordScorer* words, const KeyboardMappingRegistry& registry =
                                                          KeyboardMappingRegistry::shared())
        : m_registry(registry), m_words(words) {}

    /// Converts `text` (UTF-8) from the selected layout it was typed in to the one the user
    /// meant. `layouts` are input-source identifiers in the user's order; `activeLayoutID` is
    /// the input source active at the time; `preferredTargetID` a catalogue id to convert to
    /// (when cycling). Returns nothing, after a "FAIL: " log line, when fewer than two selected
    /// languages are recognised, no layout types more than half of the text's non-whitespace
    /// characters (also for empty text), no target remains, or the text is not valid UTF-8.
    ///
    /// With a word scorer that covers at least one selected layout, every layout that types the
    /// text as well as the best one is a possible source (the active one first), and the
    /// choice between several targets goes to the result with the largest share of letters in
    /// real words when it is clearly ahead of every other target's; a target without a
    /// dictionary counts as half words. Otherwise the usual rules decide, except that a result
    /// identical to the text is passed over while another target changes it. A preferred target
    /// and a single remaining target keep their precedence; the words then only choose between
    /// equally good sources.
    std::optional<ConversionResult> convert(
        std::string_view text, const std::vector<std::string>& layouts,
        const std::optional<std::string>& activeLayoutID,
        const std::optional<std::string>& preferredTargetID) const;

    /// The candidate that types the largest share of the text's non-whitespace characters, if
    /// that share exceeds one half; ties go to the earlier candidate.
    std::optional<KeyboardMapping> detectSource(
        std::string_view text, const std::vector<KeyboardMapping>& candidates) const;

    /// The layout to convert to: the preferred one if it is a candidate other than the source,
    /// else the only other candidate, else the candidate the active input source resolves to,
    /// else the first candidate other than the source.
    std::optional<KeyboardMapping> determineTarget(
        const KeyboardMapping& source, const std::vector<KeyboardMapping>& candidates,
        const std::optional<std::string>& activeLayoutID,
        const std::optional<std::string>& preferredTargetID) const;

    /// Replaces each character by what the same key and Shift state type in `target`.
    /// Characters the source does not type pass through; a key that types nothing in the target
    /// drops the character.
    std::string mapCharacters(std::string_view text, const KeyboardMapping& source,
                              const KeyboardMapping& target) const;

    /// Upper-cases the first letter of the text and the first letter after each ".", "!" or "?".
    static std::string capitalizeSentences(std::string_view text);

    /// The typographic quote that `codePoint` is looked up as (’ → ', « → " …), or itself.
    static char32_t foldQuote(char32_t codePoint);

private:
    struct Scores {
        std::size_t counted = 0;
        std::vector<std::size_t> matched;
    };
    Scores score(std::string_view text, const std::vector<KeyboardMapping>& candidates) const;
    std::optional<KeyboardMapping> pickSource(const Scores& scores,
                                              const std::vector<KeyboardMapping>& candidates) const;

    std::string convertValid(std::string_view text, const KeyboardMapping& source,
                             const KeyboardMapping& target) const;

    std::string mapValidCharacters(std::string_view text, const KeyboardMapping& source,
                                   const KeyboardMapping& target) const;
    std::string mapIntoHangul(std::string_view text, const KeyboardMapping& source,
                              const KeyboardMapping& target) const;
    static std::string capitalizeValidSentences(std::string_view text);

    const KeyboardMappingRegistry& m_registry;
    const WordScorer* m_words = nullptr;
};

}  // namespace korrelang::engine
