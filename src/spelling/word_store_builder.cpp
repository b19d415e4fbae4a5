#include "word_store_builder.h"

#include <fcntl.h>
#include <unicode/unistr.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <filesystem>
#include <vector>

#include "affix_rules.h"
#include "engine/log.h"
#include "engine/unicode.h"
#include "word_form_expander.h"
#include "word_store.h"

namespace korrelang::spelling {

namespace {

// About 32 keys a bucket: a lookup reads one or two cache lines of keys.
std::uint32_t bucketBitsFor(std::size_t count) {
    const std::size_t buckets = count / 32;
    return buckets == 0
               ? 0
               : static_cast<std::uint32_t>(std::min<std::size_t>(std::bit_width(buckets), 24));
}

void append(std::vector<unsigned char>& bytes, const void* data, std::size_t size) {
    const auto* begin = static_cast<const unsigned char*>(data);
    bytes.insert(bytes.end(), begin, begin + size);
}

bool writeAtomically(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    const std::string temporary = path + ".tmp-" + std::to_string(getpid());
    const int descriptor =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        return false;
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t chunk = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (chunk <= 0) {
            break;
        }
        written += static_cast<std::size_t>(chunk);
    }
    const bool complete = written == bytes.size() && fsync(descriptor) == 0;
    const bool closed = ::close(descriptor) == 0;
    if (!complete || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

bool WordStoreBuilder::build(const std::string& base, const std::string& path, std::uint64_t key) {
    const auto rules = AffixRules::read(base + ".aff");
    if (!rules) {
        return false;
    }
    std::array<std::vector<std::uint64_t>, WordStore::SectionCount> hashes;
    std::vector<std::uint64_t> forbidden;
    std::string text;
    std::size_t forms = 0;
    WordFormExpander expander(*rules);
    std::vector<AffixFlag> plainPrefixes = rules->plainPrefixFlags();
    expander.takePrefixesOff(plainPrefixes, [&](const std::u32string& stem, AffixFlag flag) {
        hashes[WordStore::PrefixStems].push_back(WordStore::hash(
            WordStore::prefixKey(flag, WordStore::fold(engine::unicode::toUtf8(stem)))));
        ++forms;
    });
    const bool read = expander.expand(
        base + ".dic",
        [&](const std::u32string& form, unsigned roles) {
            text = engine::unicode::toUtf8(form);
            if ((roles & WordFormExpander::Forbidden) != 0) {
                forbidden.push_back(WordStore::hash(WordStore::formKey(text, WordStore::Words)));
                return;
            }
            const std::array<unsigned, WordStore::PrefixStems> bits = {
                WordFormExpander::Word, WordFormExpander::CompoundBegin,
                WordFormExpander::CompoundMiddle, WordFormExpander::CompoundEnd};
            for (std::size_t s = 0; s < bits.size(); ++s) {
                if ((roles & bits[s]) != 0) {
                    hashes[s].push_back(WordStore::hash(
                        WordStore::formKey(text, static_cast<WordStore::Section>(s))));
                    ++forms;
                }
            }
        },
        [&] { return forms > WordStore::kMostForms; });
    if (!read) {
        return false;
    }

    WordStore::Header header{};
    if (forms > WordStore::kMostForms) {
        // Stored as such, so that the next start does not expand it again.
        engine::Log::write("📖 Spelling: " + base + ".dic has more than " +
                           std::to_string(WordStore::kMostForms) + " word forms - not stored");
        header.flags = WordStore::kTooLarge;
        for (auto& section : hashes) {
            section.clear();
        }
        forbidden.clear();
        plainPrefixes.clear();
    }

    header.magic = WordStore::kMagic;
    header.flags |= rules->breaksAtHyphens ? WordStore::kBreaksAtHyphens : 0;
    header.key = key;
    header.compoundMin = static_cast<std::uint32_t>(rules->compoundMin);
    std::vector<unsigned char> bytes(sizeof header);
    for (const auto& [from, to] : rules->inputConversions()) {
        append(bytes, from.c_str(), from.size() + 1);
        append(bytes, to.c_str(), to.size() + 1);
        header.conversionBytes += static_cast<std::uint32_t>(from.size() + to.size() + 2);
    }
    append(bytes, rules->ignoredCharacters().data(), rules->ignoredCharacters().size());
    header.ignoredBytes = static_cast<std::uint32_t>(rules->ignoredCharacters().size());
    std::string prefixes;
    for (const AffixFlag flag : plainPrefixes) {
        for (const std::size_t index : rules->entriesWith(flag)) {
            const AffixEntry& entry = rules->entries()[index];
            prefixes += std::to_string(flag) + "\t" +
                        WordStore::fold(engine::unicode::toUtf8(entry.add)) + "\t" +
                        WordStore::fold(engine::unicode::toUtf8(entry.strip)) + "\t" +
                        WordStore::fold(engine::unicode::toUtf8(entry.conditionText())) + "\n";
        }
    }
    append(bytes, prefixes.data(), prefixes.size());
    header.prefixBytes = static_cast<std::uint32_t>(prefixes.size());
    header.flags |= rules->fullStrip ? WordStore::kFullStrip : 0;
    std::sort(forbidden.begin(), forbidden.end());
    for (std::size_t s = 0; s < hashes.size(); ++s) {
        std::vector<std::uint64_t>& section = hashes[s];
        std::sort(section.begin(), section.end());
        section.erase(std::unique(section.begin(), section.end()), section.end());
        if (s == WordStore::Words) {
            std::erase_if(section, [&](std::uint64_t h) {
                return std::binary_search(forbidden.begin(), forbidden.end(), h);
            });
        }
        bytes.resize((bytes.size() + 3) / 4 * 4, 0);
        const std::uint32_t bits = bucketBitsFor(section.size());
        header.sections[s] = {bytes.size(), static_cast<std::uint32_t>(section.size()), bits};
        const std::size_t buckets = std::size_t{1} << bits;
        std::vector<std::uint32_t> index(buckets + 1, 0);
        std::vector<std::uint32_t> keys;
        keys.reserve(section.size());
        for (const std::uint64_t h : section) {
            ++index[(bits == 0 ? 0 : h >> (64 - bits)) + 1];
            keys.push_back(static_cast<std::uint32_t>((h << bits) >> 32));
        }
        for (std::size_t b = 1; b <= buckets; ++b) {
            index[b] += index[b - 1];
        }
        // Sorted by hash, the keys of a bucket are sorted too.
        append(bytes, index.data(), index.size() * 4);
        append(bytes, keys.data(), keys.size() * 4);
        section.clear();
        section.shrink_to_fit();
    }
    header.fileSize = bytes.size();
    header.checksum =
        WordStore::checksum(bytes.data() + sizeof header, bytes.size() - sizeof header);
    std::memcpy(bytes.data(), &header, sizeof header);
    if (!writeAtomically(path, bytes)) {
        engine::Log::write("❌ Spelling: cannot write " + path);
        return false;
    }
    return true;
}

}  // namespace korrelang::spelling
