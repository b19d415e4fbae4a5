#include "affix_rules.h"

#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <memory>

#include "engine/log.h"

namespace korrelang::spelling {

namespace {

std::vector<std::string_view> tokens(std::string_view line) {
    std::vector<std::string_view> result;
    std::size_t start = 0;
    while (start < line.size()) {
        start = line.find_first_not_of(" \t\r", start);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(line.find_first_of(" \t\r", start), line.size());
        result.push_back(line.substr(start, end - start));
        start = end;
    }
    return result;
}

std::u32string codePoints(const icu::UnicodeString& text) {
    std::u32string result;
    for (int32_t i = 0; i < text.length();) {
        const UChar32 c = text.char32At(i);
        result.push_back(static_cast<char32_t>(c));
        i += U16_LENGTH(c);
    }
    return result;
}

std::string utf8(const icu::UnicodeString& text) {
    std::string result;
    text.toUTF8String(result);
    return result;
}

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter openConverter(const std::string& encoding) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(encoding.c_str(), &status));
    if (U_FAILURE(status) || !converter) {
        return nullptr;
    }
    // Bytes not valid in the character set fail the conversion instead of becoming U+FFFD.
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &status);
    return converter;
}

std::optional<icu::UnicodeString> toUnicode(UConverter* converter, std::string_view raw) {
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString text(raw.data(), static_cast<int32_t>(raw.size()), converter, status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    return text;
}

}  // namespace

std::vector<AffixEntry::CharacterClass> AffixEntry::parseCondition(const std::u32string& text) {
    std::vector<AffixEntry::CharacterClass> condition;
    if (text == U".") {
        return condition;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        AffixEntry::CharacterClass element;
        if (text[i] == U'[') {
            std::size_t j = i + 1;
            if (j < text.size() && text[j] == U'^') {
                element.negated = true;
                ++j;
            }
            for (; j < text.size() && text[j] != U']'; ++j) {
                element.characters.push_back(text[j]);
            }
            i = j;
        } else if (text[i] == U'.') {
            element.any = true;
        } else {
            element.characters.push_back(text[i]);
        }
        condition.push_back(std::move(element));
    }
    return condition;
}

namespace {

bool matches(const AffixEntry::CharacterClass& element, char32_t c) {
    if (element.any) {
        return true;
    }
    const bool found = element.characters.find(c) != std::u32string::npos;
    return found != element.negated;
}

}  // namespace

bool hasFlag(const FlagSet& flags, AffixFlag flag) {
    return flag != 0 && std::binary_search(flags.begin(), flags.end(), flag);
}

std::u32string AffixEntry::conditionText() const {
    if (condition.empty()) {
        return U".";
    }
    std::u32string text;
    for (const CharacterClass& element : condition) {
        if (element.any) {
            text += U'.';
        } else if (element.negated || element.characters.size() != 1) {
            text += (element.negated ? U"[^" : U"[") + element.characters + U"]";
        } else {
            text += element.characters;
        }
    }
    return text;
}

bool AffixEntry::conditionMatches(const std::u32string& stem) const {
    if (stem.size() < condition.size()) {
        return false;
    }
    const std::size_t offset = prefix ? 0 : stem.size() - condition.size();
    for (std::size_t i = 0; i < condition.size(); ++i) {
        if (!matches(condition[i], stem[offset + i])) {
            return false;
        }
    }
    return true;
}

bool AffixEntry::appliesTo(const std::u32string& stem, bool fullStrip) const {
    if (stem.size() < strip.size() || (!fullStrip && stem.size() == strip.size()) ||
        !conditionMatches(stem)) {
        return false;
    }
    return prefix ? stem.compare(0, strip.size(), strip) == 0
                  : stem.compare(stem.size() - strip.size(), strip.size(), strip) == 0;
}

std::u32string AffixEntry::applyTo(const std::u32string& stem) const {
    if (prefix) {
        return add + stem.substr(strip.size());
    }
    return stem.substr(0, stem.size() - strip.size()) + add;
}

std::optional<AffixRules> AffixRules::read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        engine::Log::write("❌ Spelling: cannot read " + path);
        return std::nullopt;
    }
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(file, line)) {
        if (lines.empty() && line.rfind("\xEF\xBB\xBF", 0) == 0) {
            line.erase(0, 3);
        }
        lines.push_back(line);
    }
    AffixRules rules;
    if (!rules.parse(lines)) {
        engine::Log::write("❌ Spelling: " + path + " uses the unknown character set " +
                           rules.m_encoding);
        return std::nullopt;
    }
    return rules;
}

// The keywords that name one flag, and where it goes.
constexpr auto kFlagKeywords = std::to_array<std::pair<std::string_view, AffixFlag AffixRules::*>>({
    {"NEEDAFFIX", &AffixRules::needAffix},
    {"PSEUDOROOT", &AffixRules::needAffix},
    {"ONLYINCOMPOUND", &AffixRules::onlyInCompound},
    {"FORBIDDENWORD", &AffixRules::forbiddenWord},
    {"CIRCUMFIX", &AffixRules::circumfix},
    {"COMPOUNDFLAG", &AffixRules::compoundFlag},
    {"COMPOUNDBEGIN", &AffixRules::compoundBegin},
    {"COMPOUNDMIDDLE", &AffixRules::compoundMiddle},
    {"COMPOUNDEND", &AffixRules::compoundEnd},
    {"COMPOUNDPERMITFLAG", &AffixRules::compoundPermit},
});

bool AffixRules::parse(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        const auto parts = tokens(line);
        if (parts.size() >= 2 && parts[0] == "SET") {
            m_encoding = std::string(parts[1]);
        } else if (parts.size() >= 2 && parts[0] == "FLAG") {
            m_flagType = parts[1] == "long"    ? FlagType::Long
                         : parts[1] == "num"   ? FlagType::Number
                         : parts[1] == "UTF-8" ? FlagType::Utf8
                                               : FlagType::Character;
        }
    }
    const Converter converter = openConverter(m_encoding);
    if (!converter) {
        return false;
    }
    const auto text = [&](std::string_view raw) {
        return toUnicode(converter.get(), raw).value_or(icu::UnicodeString());
    };
    for (const std::string& line : lines) {
        const auto parts = tokens(line);
        if (parts.size() >= 2 && parts[0] == "IGNORE") {
            m_ignoredCodePoints = codePoints(text(parts[1]));
            m_ignored = utf8(text(parts[1]));
        }
    }
    bool breakDeclared = false;
    bool hyphenBreak = false;
    std::map<std::pair<bool, AffixFlag>, bool> crossProducts;
    std::map<std::pair<bool, AffixFlag>, std::size_t> remaining;
    for (const std::string& line : lines) {
        const auto parts = tokens(line);
        if (parts.size() < 2) {
            continue;
        }
        const std::string_view keyword = parts[0];
        const auto flag = [&] { return decodeOneFlag(parts[1]); };
        const auto named = std::find_if(kFlagKeywords.begin(), kFlagKeywords.end(),
                                        [&](const auto& known) { return known.first == keyword; });
        if (named != kFlagKeywords.end()) {
            this->*named->second = flag();
        } else if (keyword == "COMPOUNDMIN") {
            std::from_chars(parts[1].data(), parts[1].data() + parts[1].size(), compoundMin);
            compoundMin = std::max<std::size_t>(compoundMin, 1);
        } else if (keyword == "AF" && !std::all_of(parts[1].begin(), parts[1].end(), ::isdigit)) {
            m_aliases.push_back(decodeFlagsWithoutAliases(parts[1]));
        } else if (keyword == "ICONV" && parts.size() >= 3) {
            m_inputConversions.emplace_back(utf8(text(parts[1])), utf8(text(parts[2])));
        } else if ((keyword == "PFX" || keyword == "SFX") && parts.size() >= 4) {
            const bool prefix = keyword == "PFX";
            const auto key = std::make_pair(prefix, flag());
            if (remaining[key] == 0) {
                crossProducts[key] = parts[2] == "Y";
                std::size_t count = 0;
                std::from_chars(parts[3].data(), parts[3].data() + parts[3].size(), count);
                remaining[key] = count;
                continue;
            }
            --remaining[key];
            AffixEntry entry;
            entry.prefix = prefix;
            entry.flag = key.second;
            entry.crossProduct = crossProducts[key];
            const std::string_view strip = parts[2];
            std::string_view add = parts[3];
            if (const std::size_t slash = add.find('/'); slash != std::string_view::npos) {
                entry.continuation = decodeFlags(add.substr(slash + 1));
                add = add.substr(0, slash);
            }
            const auto decoded = [&](std::string_view raw) {
                return raw == "0" ? std::u32string() : decodeText(raw).value_or(std::u32string());
            };
            entry.strip = decoded(strip);
            entry.add = decoded(add);
            entry.condition = AffixEntry::parseCondition(
                parts.size() >= 5 ? codePoints(text(parts[4])) : std::u32string(U"."));
            m_byFlag[entry.flag].push_back(m_entries.size());
            m_entries.push_back(std::move(entry));
        } else if (keyword == "BREAK") {
            breakDeclared = true;
            hyphenBreak = hyphenBreak || parts[1] == "-";
        } else if (keyword == "FULLSTRIP") {
            fullStrip = true;
        } else if (keyword == "COMPLEXPREFIXES") {
            complexPrefixes = true;
        }
    }
    breaksAtHyphens = !breakDeclared || hyphenBreak;
    return true;
}

AffixFlag AffixRules::decodeOneFlag(std::string_view text) const {
    const FlagSet flags = decodeFlagsWithoutAliases(text);
    return flags.empty() ? 0 : flags.front();
}

FlagSet AffixRules::decodeFlags(std::string_view text) const {
    FlagSet flags;
    if (!m_aliases.empty() && !text.empty() &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        std::size_t index = 0;
        std::from_chars(text.data(), text.data() + text.size(), index);
        if (index >= 1 && index <= m_aliases.size()) {
            return m_aliases[index - 1];
        }
        return flags;
    }
    return decodeFlagsWithoutAliases(text);
}

FlagSet AffixRules::decodeFlagsWithoutAliases(std::string_view text) const {
    FlagSet flags;
    switch (m_flagType) {
        case FlagType::Character:
            for (const char c : text) {
                flags.push_back(static_cast<unsigned char>(c));
            }
            break;
        case FlagType::Long:
            for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
                flags.push_back(static_cast<AffixFlag>(static_cast<unsigned char>(text[i])) << 8 |
                                static_cast<unsigned char>(text[i + 1]));
            }
            break;
        case FlagType::Number: {
            std::size_t start = 0;
            while (start < text.size()) {
                const std::size_t comma = std::min(text.find(',', start), text.size());
                AffixFlag value = 0;
                std::from_chars(text.data() + start, text.data() + comma, value);
                if (value != 0) {
                    flags.push_back(value);
                }
                start = comma + 1;
            }
            break;
        }
        case FlagType::Utf8: {
            const icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(
                icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
            for (const char32_t c : codePoints(unicode)) {
                flags.push_back(static_cast<AffixFlag>(c));
            }
            break;
        }
    }
    std::sort(flags.begin(), flags.end());
    flags.erase(std::unique(flags.begin(), flags.end()), flags.end());
    return flags;
}

std::optional<std::u32string> AffixRules::decodeText(std::string_view raw) const {
    // ICU converters keep state, so each thread keeps its own; the rules stay copyable.
    thread_local std::string cachedEncoding;
    thread_local Converter converter;
    if (!converter || cachedEncoding != m_encoding) {
        converter = openConverter(m_encoding);
        cachedEncoding = m_encoding;
        if (!converter) {
            return std::nullopt;
        }
    }
    const auto unicode = toUnicode(converter.get(), raw);
    if (!unicode) {
        return std::nullopt;
    }
    std::u32string result = codePoints(*unicode);
    if (!m_ignoredCodePoints.empty()) {
        std::erase_if(result, [this](char32_t c) {
            return m_ignoredCodePoints.find(c) != std::u32string::npos;
        });
    }
    return result;
}

std::vector<AffixFlag> AffixRules::plainPrefixFlags() const {
    std::vector<AffixFlag> flags;
    if (compoundFlag != 0 || compoundBegin != 0 || compoundMiddle != 0 || compoundEnd != 0) {
        return flags;
    }
    for (const auto& [flag, indexes] : m_byFlag) {
        const bool plain = std::all_of(indexes.begin(), indexes.end(), [this](std::size_t i) {
            return m_entries[i].prefix && m_entries[i].continuation.empty();
        });
        if (plain) {
            flags.push_back(flag);
        }
    }
    return flags;
}

const std::vector<std::size_t>& AffixRules::entriesWith(AffixFlag flag) const {
    static const std::vector<std::size_t> none;
    const auto found = m_byFlag.find(flag);
    return found == m_byFlag.end() ? none : found->second;
}

}  // namespace korrelang::spelling
