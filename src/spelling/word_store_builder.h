#pragma once

#include <cstdint>
#include <string>

namespace korrelang::spelling {

/// Writes the WordStore of a Hunspell dictionary: expands `base`.aff and `base`.dic into their
/// word forms, hashes them and writes the store to `path` atomically (a temporary file renamed
/// over it). Holds the hashes of every form at once, some tens of megabytes for the largest
/// dictionaries: run it in a process of its own (korrelang-spelling-cache).
class WordStoreBuilder {
public:
    /// False, after a log line, when the dictionary cannot be read or the file not written.
    static bool build(const std::string& base, const std::string& path, std::uint64_t key);
};

}  // namespace korrelang::spelling
