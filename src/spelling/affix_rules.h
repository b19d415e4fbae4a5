#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korrelang::spelling {

/// A Hunspell affix flag, decoded from whichever flag syntax the .aff file declares.
using AffixFlag = std::uint32_t;

/// Sorted, unique flags.
using FlagSet = std::vector<AffixFlag>;

bool hasFlag(const FlagSet& flags, AffixFlag flag);

/// One PFX or SFX line: what it strips, what it adds, where it applies.
struct AffixEntry {
    bool prefix = false;
    bool crossProduct = false;
    AffixFlag flag = 0;
    std::u32string strip;
    std::u32string add;
    FlagSet continuation;
    // The condition, one element per character: a set of characters, or its complement.
    struct CharacterClass {
        std::u32string characters;
        bool negated = false;
        bool any = false;
    };
    std::vector<CharacterClass> condition;

    /// "[^aeiou]y" as its classes; "." is no condition at all.
    static std::vector<CharacterClass> parseCondition(const std::u32string& text);
    /// The condition written back in that syntax.
    std::u32string conditionText() const;
    /// Whether the condition matches at the start (prefix) or end (suffix) of `stem`.
    bool conditionMatches(const std::u32string& stem) const;

    /// Whether the entry applies to `stem`: the condition matches at its start (prefix) or end
    /// (suffix) and the stem begins or ends with what is stripped, leaving something unless
    /// `fullStrip`.
    bool appliesTo(const std::u32string& stem, bool fullStrip) const;
    std::u32string applyTo(const std::u32string& stem) const;
};

/// The parts of a Hunspell .aff file that decide which word forms a dictionary accepts: the
/// affixes and the flags with special meaning, with text converted from the file's character set.
class AffixRules {
public:
    /// Reads `path`. Nothing, after a log line, when the file is unreadable or its character set
    /// is unknown.
    static std::optional<AffixRules> read(const std::string& path);

    /// The flags of a .dic entry or an affix's continuation, after "/" (aliases resolved).
    FlagSet decodeFlags(std::string_view text) const;
    /// `raw` (in the file's character set) as code points, IGNORE characters removed; nothing
    /// when it is not valid in that character set.
    std::optional<std::u32string> decodeText(std::string_view raw) const;

    const std::vector<AffixEntry>& entries() const { return m_entries; }
    /// Indexes into entries() of the affixes with `flag`.
    const std::vector<std::size_t>& entriesWith(AffixFlag flag) const;
    /// The prefix flags whose words can be checked by taking the prefix off instead of listing
    /// them: prefixes without continuation classes, in a dictionary without compounds.
    std::vector<AffixFlag> plainPrefixFlags() const;

    const std::string& encoding() const { return m_encoding; }
    /// ICONV pairs (UTF-8): what a checked word's text is converted with first.
    const std::vector<std::pair<std::string, std::string>>& inputConversions() const {
        return m_inputConversions;
    }
    /// IGNORE characters (UTF-8), removed from checked words.
    const std::string& ignoredCharacters() const { return m_ignored; }

    AffixFlag needAffix = 0;
    AffixFlag onlyInCompound = 0;
    AffixFlag forbiddenWord = 0;
    AffixFlag circumfix = 0;
    AffixFlag compoundFlag = 0;
    AffixFlag compoundBegin = 0;
    AffixFlag compoundMiddle = 0;
    AffixFlag compoundEnd = 0;
    AffixFlag compoundPermit = 0;
    std::size_t compoundMin = 3;
    bool fullStrip = false;
    /// Whether words are also checked piece by piece between hyphens (BREAK, by default).
    bool breaksAtHyphens = true;
    bool complexPrefixes = false;

private:
    enum class FlagType { Character, Long, Number, Utf8 };

    AffixRules() = default;
    bool parse(const std::vector<std::string>& lines);
    AffixFlag decodeOneFlag(std::string_view text) const;
    FlagSet decodeFlagsWithoutAliases(std::string_view text) const;

    std::string m_encoding = "ISO8859-1";
    FlagType m_flagType = FlagType::Character;
    std::vector<FlagSet> m_aliases;  // AF lines, numbered from 1
    std::vector<AffixEntry> m_entries;
    std::map<AffixFlag, std::vector<std::size_t>> m_byFlag;
    std::vector<std::pair<std::string, std::string>> m_inputConversions;
    std::string m_ignored;
    std::u32string m_ignoredCodePoints;
};

}  // namespace korrelang::spelling
