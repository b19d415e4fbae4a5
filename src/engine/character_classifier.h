#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "character_index.h"
#include "unicode.h"

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

    void classify(std::string_view cluster, ClassifiedCharacter& out) const {
        classify(cluster,
                 cluster.size() == 1 ? static_cast<unsigned char>(cluster.front()) : kUnknownSingle,
                 out);
    }

    /// Like classify(cluster, out), with the cluster's code point when it is a single one (as
    /// GraphemeCursor::next reports it), or kUnknownSingle.
    void classify(std::string_view cluster, char32_t single, ClassifiedCharacter& out) const {
        if (cluster.size() == 1) {
            // ASCII: no normalisation, no pieces, and the quotes it folds to are its own.
            const auto byte = static_cast<unsigned char>(cluster.front());
            out.pieces.clear();
            out.whitespace = byte == ' ' || (byte >= 0x09 && byte <= 0x0D);
            out.number = out.folded =
                out.whitespace ? CharacterIndex::kAbsent : m_index.findCodePoint(byte);
            return;
        }
        if (single == kUnknownSingle) {
            single =
                unicode::codePointCount(cluster) == 1 ? unicode::firstCodePoint(cluster) : kSeveral;
        }
        classifyNonAscii(cluster, single, out);
    }

    static constexpr char32_t kSeveral = 0xFFFFFFFF;
    static constexpr char32_t kUnknownSingle = 0xFFFFFFFE;

    const CharacterIndex& index() const { return m_index; }

private:
    void classifyNonAscii(std::string_view cluster, char32_t single,
                          ClassifiedCharacter& out) const;
    void setPieces(std::string_view nfc, ClassifiedCharacter& out) const;

    const CharacterIndex& m_index;
};

}  // namespace korrelang::engine
