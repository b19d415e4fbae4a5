#include "word_form_expander.h"

#include <algorithm>
#include <fstream>

#include "engine/log.h"

namespace korrelang::spelling {

namespace {

bool contains(const AffixEntry* entry, AffixFlag flag) {
    return entry != nullptr && hasFlag(entry->continuation, flag);
}

// The word and its flags of one .dic line: "word/flags", perhaps followed by morphological
// fields after whitespace; "\/" is a slash inside the word.
std::pair<std::string, std::string_view> splitEntry(std::string_view line) {
    line = line.substr(0, std::min(line.find_first_of(" \t"), line.size()));
    std::string word;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == '/') {
            word += '/';
            ++i;
        } else if (line[i] == '/') {
            return {word, line.substr(i + 1)};
        } else {
            word += line[i];
        }
    }
    return {word, {}};
}

}  // namespace

// The affixes applied to a stem: up to two suffixes (the inner one first) and a prefix.
struct WordFormExpander::Chain {
    const AffixEntry* suffix = nullptr;
    const AffixEntry* outerSuffix = nullptr;
    const AffixEntry* prefix = nullptr;

    std::size_t size() const { return (suffix ? 1 : 0) + (outerSuffix ? 1 : 0) + (prefix ? 1 : 0); }
    bool any(AffixFlag flag) const {
        return contains(suffix, flag) || contains(outerSuffix, flag) || contains(prefix, flag);
    }
    std::size_t count(AffixFlag flag) const {
        return (contains(suffix, flag) ? 1 : 0) + (contains(outerSuffix, flag) ? 1 : 0) +
               (contains(prefix, flag) ? 1 : 0);
    }
    bool suffixesHave(AffixFlag flag) const {
        return (!suffix || contains(suffix, flag)) && (!outerSuffix || contains(outerSuffix, flag));
    }
};

void WordFormExpander::takePrefixesOff(std::vector<AffixFlag> flags, PrefixSink sink) {
    std::sort(flags.begin(), flags.end());
    m_prefixesTakenOff = std::move(flags);
    m_prefixSink = std::move(sink);
}

bool WordFormExpander::expand(const std::string& path, const Sink& sink,
                              const std::function<bool()>& stop) const {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        engine::Log::write("❌ Spelling: cannot read " + path);
        return false;
    }
    std::string line;
    bool first = true;
    while (std::getline(file, line) && !(stop && stop())) {
        if (first) {
            first = false;
            continue;  // the entry count
        }
        // Lines led by a tab are comments.
        if (line.empty() || line[0] == '\t' || line[0] == '#') {
            continue;
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const auto [raw, flagText] = splitEntry(line);
        const auto stem = m_rules.decodeText(raw);
        if (!stem || stem->empty()) {
            continue;
        }
        expandStem(*stem, m_rules.decodeFlags(flagText), sink);
    }
    return true;
}

void WordFormExpander::expandStem(const std::u32string& stem, const FlagSet& flags,
                                  const Sink& sink) const {
    if (hasFlag(flags, m_rules.forbiddenWord)) {
        sink(stem, Forbidden);
        return;
    }
    const Chain none;
    emit(stem, flags, none, sink);
    withPrefixes(stem, flags, none, sink);
    for (const AffixFlag flag : flags) {
        for (const std::size_t index : m_rules.entriesWith(flag)) {
            const AffixEntry& suffix = m_rules.entries()[index];
            if (suffix.prefix || !suffix.appliesTo(stem, m_rules.fullStrip)) {
                continue;
            }
            const std::u32string form = suffix.applyTo(stem);
            const Chain one{&suffix, nullptr, nullptr};
            emit(form, flags, one, sink);
            withPrefixes(form, flags, one, sink);
            for (const AffixFlag next : suffix.continuation) {
                for (const std::size_t outerIndex : m_rules.entriesWith(next)) {
                    const AffixEntry& outer = m_rules.entries()[outerIndex];
                    if (outer.prefix || !outer.appliesTo(form, m_rules.fullStrip)) {
                        continue;
                    }
                    const std::u32string twofold = outer.applyTo(form);
                    const Chain two{&suffix, &outer, nullptr};
                    emit(twofold, flags, two, sink);
                    withPrefixes(twofold, flags, two, sink);
                }
            }
        }
    }
    // A prefix may allow suffixes the stem itself does not have.
    for (const AffixFlag flag : flags) {
        for (const std::size_t index : m_rules.entriesWith(flag)) {
            const AffixEntry& prefix = m_rules.entries()[index];
            if (!prefix.prefix || !prefix.crossProduct) {
                continue;
            }
            for (const AffixFlag allowed : prefix.continuation) {
                if (hasFlag(flags, allowed)) {
                    continue;  // done above
                }
                for (const std::size_t suffixIndex : m_rules.entriesWith(allowed)) {
                    const AffixEntry& suffix = m_rules.entries()[suffixIndex];
                    if (suffix.prefix || !suffix.crossProduct ||
                        !suffix.appliesTo(stem, m_rules.fullStrip)) {
                        continue;
                    }
                    const std::u32string form = suffix.applyTo(stem);
                    if (prefix.appliesTo(form, m_rules.fullStrip)) {
                        emit(prefix.applyTo(form), flags, Chain{&suffix, nullptr, &prefix}, sink);
                    }
                }
            }
        }
    }
}

// Prefixes on `form` (the stem with the suffixes of `chain`): those of the stem's flags, and
// those the suffixes allow, both sides permitting the combination.
void WordFormExpander::withPrefixes(const std::u32string& form, const FlagSet& rootFlags,
                                    const Chain& chain, const Sink& sink) const {
    const auto tryFlag = [&](AffixFlag flag) {
        // A plain prefix on the stem itself adds nothing to check but the prefix.
        if (chain.size() == 0 && m_prefixSink && hasFlag(m_prefixesTakenOff, flag)) {
            if (!hasFlag(rootFlags, m_rules.onlyInCompound)) {
                m_prefixSink(form, flag);
            }
            return;
        }
        for (const std::size_t index : m_rules.entriesWith(flag)) {
            const AffixEntry& prefix = m_rules.entries()[index];
            if (!prefix.prefix || !prefix.appliesTo(form, m_rules.fullStrip)) {
                continue;
            }
            if (chain.size() > 0 &&
                (!prefix.crossProduct || (chain.suffix && !chain.suffix->crossProduct) ||
                 (chain.outerSuffix && !chain.outerSuffix->crossProduct))) {
                continue;
            }
            Chain withPrefix = chain;
            withPrefix.prefix = &prefix;
            emit(prefix.applyTo(form), rootFlags, withPrefix, sink);
        }
    };
    for (const AffixFlag flag : rootFlags) {
        tryFlag(flag);
    }
    for (const AffixEntry* suffix : {chain.suffix, chain.outerSuffix}) {
        if (suffix == nullptr) {
            continue;
        }
        for (const AffixFlag flag : suffix->continuation) {
            if (!hasFlag(rootFlags, flag)) {
                tryFlag(flag);
            }
        }
    }
}

void WordFormExpander::emit(const std::u32string& form, const FlagSet& rootFlags,
                            const Chain& chain, const Sink& sink) const {
    const AffixRules& r = m_rules;
    // NEEDAFFIX on the stem or on an affix asks for one more affix.
    if (chain.size() == 0) {
        if (hasFlag(rootFlags, r.needAffix)) {
            return;
        }
    } else if (r.needAffix != 0 &&
               (chain.count(r.needAffix) == chain.size() ||
                (contains(chain.outerSuffix, r.needAffix) && chain.prefix == nullptr))) {
        return;
    }
    // A circumfix is a prefix and a suffix that come together; like Hunspell, a prefix alone
    // is not held to it.
    if (r.circumfix != 0 && chain.suffix != nullptr) {
        const bool prefixPart = contains(chain.prefix, r.circumfix);
        const bool suffixPart =
            contains(chain.suffix, r.circumfix) || contains(chain.outerSuffix, r.circumfix);
        if (prefixPart != suffixPart) {
            return;
        }
    }
    unsigned roles = 0;
    if (!hasFlag(rootFlags, r.onlyInCompound) && !chain.any(r.onlyInCompound)) {
        roles |= Word;
    }
    const auto compoundFlag = [&](AffixFlag flag) {
        return flag != 0 && (hasFlag(rootFlags, flag) || chain.any(flag));
    };
    const bool any = compoundFlag(r.compoundFlag);
    const bool hasSuffix = chain.suffix != nullptr;
    // Suffixes may not end the first part, nor prefixes begin the last, unless permitted.
    if ((any || compoundFlag(r.compoundBegin)) &&
        (!hasSuffix || chain.suffixesHave(r.compoundPermit))) {
        roles |= CompoundBegin;
    }
    if (any || compoundFlag(r.compoundMiddle)) {
        roles |= CompoundMiddle;
    }
    if ((any || compoundFlag(r.compoundEnd)) &&
        (!chain.prefix || contains(chain.prefix, r.compoundPermit))) {
        roles |= CompoundEnd;
    }
    if (roles != 0) {
        sink(form, roles);
    }
}

}  // namespace korrelang::spelling
