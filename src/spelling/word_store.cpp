#include "word_store.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstring>

#include "engine/log.h"
#include "engine/unicode.h"

namespace korrelang::spelling {

namespace {

constexpr std::size_t kLongestCompoundWord = 64;  // code points; longer ones are not split

std::uint64_t mix(std::uint64_t h) {
    h ^= h >> 30;
    h *= 0xbf58476d1ce4e5b9ULL;
    h ^= h >> 27;
    h *= 0x94d049bb133111ebULL;
    return h ^ (h >> 31);
}

// Digits with single separators between them: a number, which Hunspell takes as spelled right
// (and which some dictionaries' input conversions make of words in another script).
bool isNumber(std::string_view text) {
    bool digitLast = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digitLast = true;
        } else if ((c == '.' || c == ',' || c == '-') && digitLast) {
            digitLast = false;
        } else {
            return false;
        }
    }
    return digitLast;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::unique_ptr<WordStore> WordStore::open(const std::string& path, std::uint64_t key) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return nullptr;
    }
    struct stat status {};
    const bool sized = fstat(descriptor, &status) == 0 && status.st_size > 0;
    void* data = sized ? mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ,
                              MAP_PRIVATE, descriptor, 0)
                       : MAP_FAILED;
    ::close(descriptor);
    if (data == MAP_FAILED) {
        engine::Log::write("❌ Spelling: cannot map " + path + " - it is rebuilt");
        return nullptr;
    }
    std::unique_ptr<WordStore> store(new WordStore(data, static_cast<std::size_t>(status.st_size)));
    std::string problem;
    if (!store->validate(key, problem)) {
        engine::Log::write("❌ Spelling: " + path + " " + problem + " - it is rebuilt");
        return nullptr;
    }
    return store;
}

WordStore::WordStore(const void* data, std::size_t size)
    : m_data(static_cast<const unsigned char*>(data)), m_size(size) {}

WordStore::~WordStore() {
    munmap(const_cast<unsigned char*>(m_data), m_size);
}

bool WordStore::validate(std::uint64_t key, std::string& problem) {
    Header header{};
    if (m_size < sizeof header) {
        problem = "is truncated";
        return false;
    }
    std::memcpy(&header, m_data, sizeof header);
    if (header.magic != kMagic) {
        problem = "is not a word store of this version";
        return false;
    }
    if (header.key != key) {
        problem = "was built from other dictionary files";
        return false;
    }
    if (header.fileSize != m_size) {
        problem = "is truncated";
        return false;
    }
    if (checksum(m_data + sizeof header, m_size - sizeof header) != header.checksum) {
        problem = "is corrupt";
        return false;
    }
    std::size_t offset = sizeof header;
    const auto text = [&](std::size_t bytes) -> std::string_view {
        if (bytes > m_size - offset) {
            return {};
        }
        const std::string_view result(reinterpret_cast<const char*>(m_data) + offset, bytes);
        offset += bytes;
        return result;
    };
    std::string_view conversions = text(header.conversionBytes);
    while (!conversions.empty()) {
        const std::size_t end = conversions.find('\0');
        const std::size_t next =
            end == std::string_view::npos ? end : conversions.find('\0', end + 1);
        if (next == std::string_view::npos) {
            problem = "is corrupt";
            return false;
        }
        m_conversions.emplace_back(conversions.substr(0, end),
                                   conversions.substr(end + 1, next - end - 1));
        conversions.remove_prefix(next + 1);
    }
    m_ignored = text(header.ignoredBytes);
    if (!readPrefixes(text(header.prefixBytes))) {
        problem = "is corrupt";
        return false;
    }
    m_fullStrip = (header.flags & kFullStrip) != 0;
    m_compoundMin = std::max<std::size_t>(header.compoundMin, 1);
    m_tooLarge = (header.flags & kTooLarge) != 0;
    m_breaksAtHyphens = (header.flags & kBreaksAtHyphens) != 0;
    for (std::size_t s = 0; s < SectionCount; ++s) {
        const Header::SectionInfo& info = header.sections[s];
        if (info.bucketBits > 30 || info.offset % 4 != 0 || info.offset > m_size) {
            problem = "is corrupt";
            return false;
        }
        const std::size_t buckets = std::size_t{1} << info.bucketBits;
        const std::size_t bytes = (buckets + 1 + info.count) * 4;
        if (bytes > m_size - info.offset) {
            problem = "is truncated";
            return false;
        }
        SectionView& view = m_sections[s];
        view.index = reinterpret_cast<const std::uint32_t*>(m_data + info.offset);
        view.keys = view.index + buckets + 1;
        view.count = info.count;
        view.bucketBits = info.bucketBits;
        if (view.index[0] != 0 || view.index[buckets] != info.count ||
            !std::is_sorted(view.index, view.index + buckets + 1)) {
            problem = "is corrupt";
            return false;
        }
    }
    return true;
}

std::string WordStore::convert(std::string_view word,
                               const std::vector<std::pair<std::string, std::string>>& conversions,
                               std::string_view ignored) {
    std::string converted;
    if (conversions.empty()) {
        converted = word;
    } else {
        // Longest match first at each position, as Hunspell converts its input.
        for (std::size_t i = 0; i < word.size();) {
            const std::pair<std::string, std::string>* best = nullptr;
            for (const auto& pair : conversions) {
                if (!pair.first.empty() && word.compare(i, pair.first.size(), pair.first) == 0 &&
                    (best == nullptr || pair.first.size() > best->first.size())) {
                    best = &pair;
                }
            }
            if (best != nullptr) {
                converted += best->second;
                i += best->first.size();
            } else {
                converted += word[i++];
            }
        }
    }
    if (ignored.empty()) {
        return converted;
    }
    icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(converted.data(), static_cast<int32_t>(converted.size())));
    const icu::UnicodeString ignore = icu::UnicodeString::fromUTF8(
        icu::StringPiece(ignored.data(), static_cast<int32_t>(ignored.size())));
    for (int32_t i = 0; i < ignore.length(); ++i) {
        unicode.findAndReplace(icu::UnicodeString(ignore.charAt(i)), icu::UnicodeString());
    }
    converted.clear();
    return unicode.toUTF8String(converted);
}

std::string WordStore::fold(std::string_view text) {
    std::string folded;
    icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())))
        .foldCase()
        .toUTF8String(folded);
    return folded;
}

std::string WordStore::prefixKey(std::uint32_t flag, std::string_view foldedStem) {
    std::string key(reinterpret_cast<const char*>(&flag), sizeof flag);
    return key.append(foldedStem);
}

namespace {

std::u32string codePoints(std::string_view utf8) {
    const icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    std::u32string result;
    for (int32_t i = 0; i < unicode.length(); i = unicode.moveIndex32(i, 1)) {
        result.push_back(static_cast<char32_t>(unicode.char32At(i)));
    }
    return result;
}

}  // namespace

bool WordStore::readPrefixes(std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            return false;
        }
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        std::array<std::string_view, 4> fields;
        for (std::size_t f = 0; f < fields.size(); ++f) {
            const std::size_t tab = f + 1 < fields.size() ? line.find('\t') : line.size();
            if (tab == std::string_view::npos) {
                return false;
            }
            fields[f] = line.substr(0, tab);
            line.remove_prefix(std::min(tab + 1, line.size()));
        }
        Prefix prefix;
        prefix.add = fields[1];
        prefix.entry.prefix = true;
        if (std::from_chars(fields[0].data(), fields[0].data() + fields[0].size(),
                            prefix.entry.flag)
                .ec != std::errc()) {
            return false;
        }
        prefix.entry.strip = codePoints(fields[2]);
        prefix.entry.condition = AffixEntry::parseCondition(codePoints(fields[3]));
        m_longestPrefix = std::max(m_longestPrefix, prefix.add.size());
        m_prefixes.push_back(std::move(prefix));
    }
    std::sort(m_prefixes.begin(), m_prefixes.end(),
              [](const Prefix& a, const Prefix& b) { return a.add < b.add; });
    return true;
}

// Whether `folded` is a stem with one of the plain prefixes it takes.
bool WordStore::hasPlainPrefix(std::string_view folded) const {
    if (m_prefixes.empty() || m_sections[PrefixStems].count == 0) {
        return false;
    }
    std::u32string rest;
    for (std::size_t length = 0; length <= std::min(m_longestPrefix, folded.size()); ++length) {
        if (length < folded.size() && isContinuationByte(folded[length])) {
            continue;
        }
        const std::string_view add = folded.substr(0, length);
        auto prefix = std::lower_bound(
            m_prefixes.begin(), m_prefixes.end(), add,
            [](const Prefix& a, std::string_view b) { return std::string_view(a.add) < b; });
        if (prefix == m_prefixes.end() || prefix->add != add) {
            continue;
        }
        rest = codePoints(folded.substr(length));
        for (; prefix != m_prefixes.end() && prefix->add == add; ++prefix) {
            const std::u32string stem = prefix->entry.strip + rest;
            if (prefix->entry.appliesTo(stem, m_fullStrip) &&
                has(PrefixStems, prefixKey(prefix->entry.flag, engine::unicode::toUtf8(stem)))) {
                return true;
            }
        }
    }
    return false;
}

std::string WordStore::formKey(std::string_view form, Section section) {
    if (section != Words) {
        return fold(form);
    }
    const icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(form.data(), static_cast<int32_t>(form.size())));
    icu::UnicodeString lower = unicode;
    lower.toLower(icu::Locale::getRoot());
    return lower == unicode ? fold(form) : std::string(form);
}

std::uint64_t WordStore::hash(std::string_view folded) {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (const char c : folded) {
        h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    }
    return mix(h);
}

std::uint64_t WordStore::checksum(const unsigned char* data, std::size_t size) {
    std::uint64_t h = size;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, data + i, 8);
        h = (h ^ word) * 0x9E3779B97F4A7C15ULL;
        h ^= h >> 29;
    }
    for (; i < size; ++i) {
        h = (h ^ data[i]) * 0x100000001b3ULL;
    }
    return mix(h);
}

bool WordStore::has(Section section, std::string_view folded) const {
    const SectionView& view = m_sections[section];
    if (view.count == 0) {
        return false;
    }
    const std::uint64_t h = hash(folded);
    const std::uint64_t bucket = view.bucketBits == 0 ? 0 : h >> (64 - view.bucketBits);
    const auto key = static_cast<std::uint32_t>((h << view.bucketBits) >> 32);
    const std::uint32_t* first = view.keys + view.index[bucket];
    const std::uint32_t* last = view.keys + view.index[bucket + 1];
    return std::binary_search(first, last, key);
}

bool WordStore::contains(std::string_view word) const {
    const std::string converted = convert(word, m_conversions, m_ignored);
    if (converted.empty()) {
        return false;
    }
    if (isWord(converted) || isNumber(converted)) {
        return true;
    }
    if (!m_breaksAtHyphens || converted.find('-') == std::string::npos) {
        return false;
    }
    // Each piece a word; a hyphen at either end is left out.
    std::string_view rest = converted;
    bool any = false;
    while (!rest.empty()) {
        const std::size_t hyphen = std::min(rest.find('-'), rest.size());
        const std::string_view piece = rest.substr(0, hyphen);
        if (!piece.empty()) {
            if (!isWord(piece)) {
                return false;
            }
            any = true;
        }
        rest.remove_prefix(std::min(hyphen + 1, rest.size()));
    }
    return any;
}

bool WordStore::isWord(std::string_view converted) const {
    const std::string folded = fold(converted);
    if (has(Words, folded) || (folded != converted && has(Words, converted))) {
        return true;
    }
    // In capitals, a capitalised word: "BERLIN" for "Berlin".
    const icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(converted.data(), static_cast<int32_t>(converted.size())));
    icu::UnicodeString upper = unicode;
    upper.toUpper(icu::Locale::getRoot());
    if (upper == unicode && unicode.length() > 1) {
        icu::UnicodeString title = unicode;
        title.toLower(icu::Locale::getRoot());
        const int32_t first = title.moveIndex32(0, 1);
        title.replace(0, first, icu::UnicodeString(unicode, 0, first));
        std::string capitalised;
        if (has(Words, title.toUTF8String(capitalised))) {
            return true;
        }
    }
    return hasPlainPrefix(folded) || isCompound(folded);
}

// Whether `folded` splits into a beginning, any middles and an end, each at least the shortest
// compound part long.
bool WordStore::isCompound(std::string_view folded) const {
    if (m_sections[CompoundBegin].count == 0 || m_sections[CompoundEnd].count == 0) {
        return false;
    }
    std::vector<std::size_t> starts;  // byte offset of each code point, and the end
    for (std::size_t i = 0; i < folded.size(); ++i) {
        if (!isContinuationByte(folded[i])) {
            starts.push_back(i);
        }
    }
    starts.push_back(folded.size());
    const std::size_t length = starts.size() - 1;
    if (length < 2 * m_compoundMin || length > kLongestCompoundWord) {
        return false;
    }
    // reachable[i]: the first i code points are a beginning followed by middles.
    std::vector<bool> reachable(length + 1, false);
    for (std::size_t i = 0; i + m_compoundMin <= length; ++i) {
        if (i != 0 && !reachable[i]) {
            continue;
        }
        for (std::size_t j = i + m_compoundMin; j <= length; ++j) {
            const std::string_view part = folded.substr(starts[i], starts[j] - starts[i]);
            if (i > 0 && j == length && has(CompoundEnd, part)) {
                return true;
            }
            if (j + m_compoundMin <= length && !reachable[j] &&
                has(i == 0 ? CompoundBegin : CompoundMiddle, part)) {
                reachable[j] = true;
            }
        }
    }
    return false;
}

}  // namespace korrelang::spelling
