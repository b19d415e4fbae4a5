#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "character_index.h"

namespace korrelang::engine {

class KeyboardMapping;

/// One character of a text as the converter sees it.
struct ClassifiedCharacter {
    bool whitespace = false;
    /// The character's number in the index, or CharacterIndex::kAbsent.
    std::int32_t number = CharacterIndex::kAbsent;
    /// The number of what it is looked up as after quote folding.
    std::int32_t folded = CharacterIndex::kAbsent;
    /// The numbers of the pieces it is typed as when no key types it whole (the NFC code points
    /// of a cluster, the key jamo of a Hangul syllable); empty when there are none or one of them
    /// is typed by no layout at all.
    std::vector<std::int32_t> pieces;

    /// Whether `mapping` types the character, whole or piece by piece.
    bool typedBy(const KeyboardMapping& mapping) const;
};

/// Classifies the characters (grapheme clusters) of a text against one character index.
class CharacterClassifier {
public:
    explicit CharacterClassifier(const CharacterIndex& index) : m_index(index) {}

    void classify(std::string_view cluster, ClassifiedCharacter& out) const;

    const CharacterIndex& index() const { return m_index; }

private:
    void setPieces(std::string_view nfc, ClassifiedCharacter& out) const;

    const CharacterIndex& m_index;
};

}  // namespace korrelang::engine
