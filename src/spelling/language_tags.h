#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korrelang::spelling {

/// The spelling dictionaries that serve each catalogue layout's language, by the names Debian's
/// dictionary packages give them ("ru_RU", "de_DE", "fr"), most common first.
struct LanguageTags {
    /// The dictionary names for catalogue id `mappingID`; empty for an unknown id.
    static std::vector<std::string> forMapping(std::string_view mappingID);
};

}  // namespace korrelang::spelling
