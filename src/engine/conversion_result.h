#pragma once

#include <string>

namespace korrelang::engine {

/// What a conversion produced: the text, and the source and target layouts by display name
/// and by catalogue id.
struct ConversionResult {
    std::string convertedText;
    std::string fromLanguage;
    std::string toLanguage;
    std::string fromLayoutID;
    std::string toLayoutID;

    bool operator==(const ConversionResult&) const = default;
};

}  // namespace korrelang::engine
