#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "word_store.h"

namespace korrelang::spelling {

/// The word stores of the desktop's dictionaries, kept in a cache folder and built when missing,
/// stale (the dictionary's files changed) or damaged, by korrelang-spelling-cache in a process
/// of its own.
class SpellingCache {
public:
    /// `directory` holds the stores; created when needed.
    explicit SpellingCache(std::string directory = defaultDirectory());

    /// $XDG_CACHE_HOME/korrelang/spelling, by default ~/.cache/korrelang/spelling.
    static std::string defaultDirectory();

    /// The helper program that builds stores: beside the running program, then where the
    /// package installs it, then in the build tree. "" when none is there.
    static std::string helperPath();

    /// What a store of `base` must have been built from: the paths, sizes and modification
    /// times of `base`.aff and `base`.dic. Nothing when either is missing.
    static std::optional<std::uint64_t> key(const std::string& base);

    /// Where the store of dictionary `base` is kept.
    std::string storePath(const std::string& base) const;

    /// Asked while a store is being built: true stops the build.
    using Cancelled = std::function<bool()>;

    /// The store of `base`, built first when needed; nothing, after a log line, when it cannot
    /// be built or the build was cancelled. Blocks for as long as building takes (seconds for a
    /// large dictionary).
    std::unique_ptr<WordStore> open(const std::string& base, const Cancelled& cancelled = {}) const;

    /// The store of `base` if one is cached and sound; never builds.
    std::unique_ptr<WordStore> openCached(const std::string& base) const;

    /// Builds the store of `base` with the helper program, whatever is cached. When
    /// `cancelled` turns true meanwhile, the helper is stopped and nothing is built.
    bool build(const std::string& base, const Cancelled& cancelled = {}) const;

private:
    std::string m_directory;
};

}  // namespace korrelang::spelling
