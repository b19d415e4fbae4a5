#include "character_classifier.h"

#include <unicode/uchar.h>
#include <unicode/unorm2.h>

#include "code_point_traits.h"
#include "hangul.h"
#include "keyboard_mapping.h"
#include "layout_converter.h"
#include "unicode.h"

namespace korrelang::engine {

bool ClassifiedCharacter::typedBy(const KeyboardMapping& mapping) const {
    if (mapping.typesNumber(number)) {
        return true;
    }
    if (pieces.empty()) {
        return false;
    }
    for (const std::int32_t piece : pieces) {
        if (!mapping.typesNumber(piece)) {
            return false;
        }
    }
    return true;
}

void CharacterClassifier::classifyNonAscii(std::string_view cluster, char32_t single,
                                           ClassifiedCharacter& out) const {
    out.pieces.clear();
    const char32_t first = single != kSeveral ? single : unicode::firstCodePoint(cluster);
    const std::uint8_t traits = CodePointTraits::of(first);
    out.whitespace = (traits & CodePointTraits::kWhitespace) != 0;
    if (out.whitespace) {
        out.number = out.folded = CharacterIndex::kAbsent;
        return;
    }
    if (single != kSeveral && (traits & CodePointTraits::kNotNfc) == 0) {
        // Already in NFC: the common case, with no normalisation.
        out.number = m_index.findCodePoint(first);
        const char32_t folded = LayoutConverter::foldQuote(first);
        out.folded = folded == first ? out.number : m_index.findCodePoint(folded);
        if (first >= 0x3131) {
            for (const char32_t jamo : Hangul::keyJamo(first)) {
                out.pieces.push_back(m_index.findCodePoint(jamo));
            }
        }
    } else {
        const std::string nfc = unicode::toNFC(cluster);
        out.number = m_index.find(nfc);
        out.folded = out.number;
        setPieces(nfc, out);
    }
    for (const std::int32_t piece : out.pieces) {
        if (piece == CharacterIndex::kAbsent) {
            out.pieces.clear();
            break;
        }
    }
}

void CharacterClassifier::setPieces(std::string_view nfc, ClassifiedCharacter& out) const {
    if (unicode::codePointCount(nfc) == 1) {
        for (const char32_t jamo : Hangul::keyJamo(unicode::firstCodePoint(nfc))) {
            out.pieces.push_back(m_index.findCodePoint(jamo));
        }
        return;
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(nfc.data());
    const auto length = static_cast<int32_t>(nfc.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT_OR_FFFD(bytes, i, length, c);
        out.pieces.push_back(m_index.findCodePoint(static_cast<char32_t>(c)));
    }
}

}  // namespace korrelang::engine
