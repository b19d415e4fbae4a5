#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "affix_rules.h"

namespace korrelang::spelling {

/// A dictionary's word forms as a read-only memory-mapped file: for each kind of form (a word,
/// and the three places in a compound) the 64-bit hashes of their keys, bucketed by the top bits
/// with the next 32 bits kept sorted in each bucket. A lookup hashes the word's possible keys and
/// binary-searches one bucket for each. The key of a word in lower case is its case folding, so
/// any capitalisation of it is found; a word with capitals ("Berlin", "CPU") is kept as it is,
/// found as it is and, for a capitalised one, in capitals, as Hunspell does. Compound parts are
/// kept case-folded. Two forms share a key with a chance of about
/// n / 2^(32 + bucket bits) (below one in 10^8 for the largest dictionaries), which at worst counts
/// one non-word of a candidate as a word.
class WordStore {
public:
    enum Section : std::size_t {
        Words,
        CompoundBegin,
        CompoundMiddle,
        CompoundEnd,
        PrefixStems,  // a stem and a flag of plain prefixes it takes (prefixKey)
        SectionCount
    };

    /// What a store file holds before its sections.
    struct Header {
        std::array<char, 8> magic;
        std::uint64_t key;  // of the dictionary files it was built from
        std::uint64_t fileSize;
        std::uint64_t checksum;  // of every byte after the header
        std::uint32_t compoundMin;
        std::uint32_t conversionBytes;  // ICONV pairs: "from\0to\0" each
        std::uint32_t ignoredBytes;     // IGNORE characters, UTF-8
        std::uint32_t flags;            // kTooLarge, kBreaksAtHyphens, kFullStrip
        std::uint32_t prefixBytes;      // plain prefixes: "flag\tadd\tstrip\tcondition\n" each
        std::uint32_t reserved;
        struct SectionInfo {
            std::uint64_t offset;  // of the bucket index; the keys follow it
            std::uint32_t count;
            std::uint32_t bucketBits;
        };
        std::array<SectionInfo, SectionCount> sections;
    };
    /// The dictionary has more forms than a store holds (kMostForms): nothing is stored, and its
    /// words are checked some other way.
    static constexpr std::uint32_t kTooLarge = 1;
    /// Words with hyphens are also checked piece by piece.
    static constexpr std::uint32_t kBreaksAtHyphens = 2;
    /// A prefix may strip a whole stem.
    static constexpr std::uint32_t kFullStrip = 4;
    /// 32 MB of keys: past that, a store would take more memory than Hunspell itself.
    static constexpr std::size_t kMostForms = 8'000'000;
    static constexpr std::array<char, 8> kMagic = {'K', 'R', 'L', 'W', 'O', 'R', 'D', '3'};

    /// Maps the store at `path`. Nothing when it is missing; nothing after a log line when it
    /// was built from other files (`key` differs), is truncated or corrupt.
    static std::unique_ptr<WordStore> open(const std::string& path, std::uint64_t key);

    ~WordStore();
    WordStore(const WordStore&) = delete;
    WordStore& operator=(const WordStore&) = delete;

    /// Whether `word` (UTF-8, any case) is a form of the dictionary, a compound of forms where
    /// the dictionary allows compounds, or forms joined by hyphens where it breaks words there.
    bool contains(std::string_view word) const;

    /// Whether the dictionary was too large to store (and contains() is always false).
    bool isTooLarge() const { return m_tooLarge; }
    std::size_t count(Section section) const { return m_sections[section].count; }
    std::size_t mappedBytes() const { return m_size; }

    /// `word` as the dictionary spells: ICONV applied, IGNORE characters removed.
    static std::string convert(std::string_view word,
                               const std::vector<std::pair<std::string, std::string>>& conversions,
                               std::string_view ignored);
    /// The key under which a form of the dictionary is kept in `section`.
    static std::string formKey(std::string_view form, Section section);
    static std::string fold(std::string_view text);
    /// The key of a (case-folded) stem that takes the plain prefixes of `flag`.
    static std::string prefixKey(std::uint32_t flag, std::string_view foldedStem);
    static std::uint64_t hash(std::string_view folded);
    static std::uint64_t checksum(const unsigned char* data, std::size_t size);

private:
    struct SectionView {
        const std::uint32_t* index = nullptr;  // 2^bucketBits + 1 starts
        const std::uint32_t* keys = nullptr;
        std::uint32_t count = 0;
        std::uint32_t bucketBits = 0;
    };

    WordStore(const void* data, std::size_t size);
    bool validate(std::uint64_t key, std::string& problem);
    bool has(Section section, std::string_view key) const;
    bool isWord(std::string_view converted) const;
    bool isCompound(std::string_view folded) const;
    bool hasPlainPrefix(std::string_view folded) const;
    bool readPrefixes(std::string_view text);

    struct Prefix {
        std::string add;   // case-folded UTF-8
        AffixEntry entry;  // case-folded
    };

    const unsigned char* m_data;
    std::size_t m_size;
    std::array<SectionView, SectionCount> m_sections{};
    std::size_t m_compoundMin = 0;
    bool m_tooLarge = false;
    bool m_breaksAtHyphens = false;
    bool m_fullStrip = false;
    std::vector<Prefix> m_prefixes;   // sorted by what they add
    std::size_t m_longestPrefix = 0;  // bytes
    std::vector<std::pair<std::string, std::string>> m_conversions;
    std::string m_ignored;
};

}  // namespace korrelang::spelling
