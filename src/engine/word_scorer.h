#pragma once

#include <string_view>

namespace korrelang::engine {

/// Tells real words of a layout's language from other strings: the spelling check that helps
/// the converter choose the layout the user meant. Implementations are called from any thread
/// and must serialise their own state.
class WordScorer {
public:
    virtual ~WordScorer() = default;

    /// Whether words meant for the catalogue layout `mappingID` ("russian") can be checked now.
    /// A layout without a dictionary, or whose dictionary is still loading, is not covered.
    virtual bool covers(std::string_view mappingID) const = 0;

    /// Whether `word` (valid UTF-8: letters, perhaps with apostrophes or hyphens inside) is
    /// spelled right in that language. Case forms are the implementation's business: a word
    /// capitalised at the start of a sentence or written in capitals counts.
    virtual bool isWord(std::string_view mappingID, std::string_view word) const = 0;
};

}  // namespace korrelang::engine
