#pragma once

#include <functional>
#include <string>

#include "affix_rules.h"

namespace korrelang::spelling {

/// Lists the word forms a Hunspell dictionary accepts: every stem of the .dic file with the
/// affixes its flags allow (a prefix, up to two suffixes, prefix and suffix together where both
/// allow it), minus what NEEDAFFIX, ONLYINCOMPOUND, CIRCUMFIX and FORBIDDENWORD rule out.
/// Compounds are not listed; the forms that may make them up are reported with their roles.
/// Two prefixes (COMPLEXPREFIXES) and compound rules (COMPOUNDRULE) are not expanded.
class WordFormExpander {
public:
    enum Role : unsigned {
        Word = 1,           // a word on its own
        CompoundBegin = 2,  // may begin a compound
        CompoundMiddle = 4,
        CompoundEnd = 8,
        Forbidden = 16,  // never a word, whatever else lists it
    };
    /// Receives each form with its roles (never 0); a form may come more than once.
    using Sink = std::function<void(const std::u32string& form, unsigned roles)>;

    /// Receives a stem (or a form of it with suffixes) that takes the prefixes of `flag`.
    using PrefixSink = std::function<void(const std::u32string& stem, AffixFlag flag)>;

    explicit WordFormExpander(const AffixRules& rules) : m_rules(rules) {}

    /// Instead of listing a stem with each prefix of `flags` (which must be plain prefixes,
    /// AffixRules::plainPrefixFlags), reports the stem and the flag to `sink`: a word with such a
    /// prefix is checked by taking it off.
    void takePrefixesOff(std::vector<AffixFlag> flags, PrefixSink sink);

    /// Expands the entries of the .dic file at `path`, until `stop` (asked after each entry)
    /// says so. False, after a log line, when it cannot be read; lines not valid in the
    /// dictionary's character set are skipped.
    bool expand(const std::string& path, const Sink& sink,
                const std::function<bool()>& stop = {}) const;

    /// Expands one stem with its flags (already decoded).
    void expandStem(const std::u32string& stem, const FlagSet& flags, const Sink& sink) const;

private:
    struct Chain;
    void emit(const std::u32string& form, const FlagSet& rootFlags, const Chain& chain,
              const Sink& sink) const;
    void withPrefixes(const std::u32string& form, const FlagSet& rootFlags, const Chain& chain,
                      const Sink& sink) const;

    const AffixRules& m_rules;
    std::vector<AffixFlag> m_prefixesTakenOff;  // sorted
    PrefixSink m_prefixSink;
};

}  // namespace korrelang::spelling
