// The word stores against Hunspell, per installed dictionary: the time to build a store (cold,
// in korrelang-spelling-cache, with its peak memory) and to open it (warm), its size, whether
// every listed form is one Hunspell accepts, and how often the store and Hunspell agree on the
// words of real text (the translated message catalogues under /usr/share/locale).
//
//   spelling_store_report [--locale-dir DIR] [--forms N] [NAME=LOCALE ...]
//
// NAME is a dictionary under /usr/share/hunspell, LOCALE the catalogues' language ("" for the
// original English strings); --forms caps how many listed forms are checked per dictionary.

#include <sys/resource.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "bench_support.h"
#include "message_catalogue.h"
#include "spelling/affix_rules.h"
#include "spelling/hunspell_dictionary.h"
#include "spelling/spelling_cache.h"
#include "spelling/word_form_expander.h"

namespace {

using korrelang::bench::Clock;
using korrelang::bench::millisecondsSince;
using korrelang::spelling::AffixFlag;
using korrelang::spelling::AffixRules;
using korrelang::spelling::HunspellDictionary;
using korrelang::spelling::SpellingCache;
using korrelang::spelling::WordFormExpander;
using korrelang::spelling::WordStore;

// The words of `text`: runs of letters, with an apostrophe or hyphen kept between letters.
void collectWords(const std::string& text, std::set<std::string>& words) {
    const icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(text);
    icu::UnicodeString word;
    const auto finish = [&] {
        while (!word.isEmpty() && !u_isalpha(word.char32At(word.length() - 1))) {
            word.truncate(word.length() - 1);
        }
        if (word.countChar32() >= 2) {
            std::string utf8;
            words.insert(word.toUTF8String(utf8));
        }
        word.remove();
    };
    for (int32_t i = 0; i < unicode.length(); i = unicode.moveIndex32(i, 1)) {
        const UChar32 c = unicode.char32At(i);
        if (u_isalpha(c) || u_getCombiningClass(c) != 0 || u_charType(c) == U_NON_SPACING_MARK) {
            word.append(c);
        } else if (!word.isEmpty() && (c == '\'' || c == '-' || c == 0x2019)) {
            word.append(c);
        } else {
            finish();
        }
    }
    finish();
}

std::set<std::string> catalogueWords(const std::string& localeDir, const std::string& locale) {
    std::set<std::string> words;
    const std::string directory =
        localeDir + "/" + (locale.empty() ? "ru" : locale) + "/LC_MESSAGES";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        if (entry.path().extension() != ".mo") {
            continue;
        }
        for (const auto& [original, translation] : readMessageCatalogue(entry.path().string())) {
            const std::string& text = locale.empty() ? original : translation;
            if (!original.empty() && text.find_first_of("%{}<>\\$@_&/=|[]#") == std::string::npos) {
                collectWords(text, words);
            }
        }
    }
    return words;
}

bool hunspellAccepts(const HunspellDictionary& hunspell, const std::string& word) {
    if (hunspell.check(word)) {
        return true;
    }
    std::string lowered;
    icu::UnicodeString::fromUTF8(word).toLower().toUTF8String(lowered);
    return lowered != word && hunspell.check(lowered);
}

void report(const std::string& base, const std::string& locale, const std::string& localeDir,
            std::size_t formLimit, const std::string& cacheDir) {
    const std::string name = std::filesystem::path(base).filename().string();
    const SpellingCache cache(cacheDir);
    std::filesystem::remove(cache.storePath(base));
    rusage before{};
    getrusage(RUSAGE_CHILDREN, &before);
    auto start = Clock::now();
    const bool built = cache.build(base);
    const double cold = millisecondsSince(start);
    rusage after{};
    getrusage(RUSAGE_CHILDREN, &after);
    start = Clock::now();
    const auto store =
        built ? WordStore::open(cache.storePath(base), *SpellingCache::key(base)) : nullptr;
    const double warm = millisecondsSince(start);
    if (!store) {
        std::printf("%-8s store not built\n", name.c_str());
        return;
    }
    std::printf(
        "%-8s cold %6.0f ms (helper peak so far %4ld MB)  warm %5.1f ms  %6.1f MB  %8zu forms  "
        "compound parts %zu/%zu/%zu, prefixed stems %zu%s\n",
        name.c_str(), cold, std::max(after.ru_maxrss, before.ru_maxrss) / 1024, warm,
        static_cast<double>(store->mappedBytes()) / 1048576.0, store->count(WordStore::Words),
        store->count(WordStore::CompoundBegin), store->count(WordStore::CompoundMiddle),
        store->count(WordStore::CompoundEnd), store->count(WordStore::PrefixStems),
        store->isTooLarge() ? "  too large: Hunspell checks it" : "");
    if (store->isTooLarge()) {
        return;
    }
    const auto hunspell = HunspellDictionary::load(base);
    const auto rules = AffixRules::read(base + ".aff");
    if (!hunspell || !rules) {
        return;
    }

    // Every listed form (every k-th of a large dictionary) must be one Hunspell accepts; for a
    // stem kept with the plain prefixes it takes, its words with the first few of them.
    const std::size_t every = std::max<std::size_t>(
        1, (store->count(WordStore::Words) + store->count(WordStore::PrefixStems)) /
               std::max<std::size_t>(formLimit, 1));
    std::size_t seen = 0;
    std::size_t checked = 0;
    std::vector<std::string> rejected;
    std::size_t rejectedCount = 0;
    const auto check = [&](const std::u32string& form) {
        ++checked;
        std::string utf8;
        icu::UnicodeString::fromUTF32(reinterpret_cast<const UChar32*>(form.data()),
                                      static_cast<int32_t>(form.size()))
            .toUTF8String(utf8);
        if (!hunspell->check(utf8)) {
            ++rejectedCount;
            if (rejected.size() < 6) {
                rejected.push_back(utf8);
            }
        }
    };
    WordFormExpander expander(*rules);
    expander.takePrefixesOff(rules->plainPrefixFlags(),
                             [&](const std::u32string& stem, AffixFlag flag) {
                                 if (seen++ % every != 0) {
                                     return;
                                 }
                                 std::size_t tried = 0;
                                 for (const std::size_t index : rules->entriesWith(flag)) {
                                     const auto& entry = rules->entries()[index];
                                     if (tried < 3 && entry.appliesTo(stem, rules->fullStrip)) {
                                         ++tried;
                                         check(entry.applyTo(stem));
                                     }
                                 }
                             });
    expander.expand(base + ".dic", [&](const std::u32string& form, unsigned roles) {
        if ((roles & WordFormExpander::Word) != 0 && seen++ % every == 0) {
            check(form);
        }
    });
    std::printf("         listed forms Hunspell rejects: %zu of %zu checked", rejectedCount,
                checked);
    for (const std::string& form : rejected) {
        std::printf(" \"%s\"", form.c_str());
    }

    // Agreement on the words of real text.
    const std::set<std::string> words = catalogueWords(localeDir, locale);
    std::size_t agree = 0;
    std::size_t storeOnly = 0;
    std::size_t hunspellOnly = 0;
    std::vector<std::string> storeExamples;
    std::vector<std::string> hunspellExamples;
    for (const std::string& word : words) {
        const bool byStore = store->contains(word);
        const bool byHunspell = hunspellAccepts(*hunspell, word);
        if (byStore == byHunspell) {
            ++agree;
        } else if (byStore) {
            ++storeOnly;
            if (storeExamples.size() < 5) {
                storeExamples.push_back(word);
            }
        } else {
            ++hunspellOnly;
            if (hunspellExamples.size() < 5) {
                hunspellExamples.push_back(word);
            }
        }
    }
    std::printf("\n         catalogue words: %zu, agree %.2f %%, only the store %zu", words.size(),
                words.empty()
                    ? 0.0
                    : 100.0 * static_cast<double>(agree) / static_cast<double>(words.size()),
                storeOnly);
    for (const std::string& word : storeExamples) {
        std::printf(" \"%s\"", word.c_str());
    }
    std::printf(", only Hunspell %zu", hunspellOnly);
    for (const std::string& word : hunspellExamples) {
        std::printf(" \"%s\"", word.c_str());
    }
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    std::string localeDir = "/usr/share/locale";
    std::size_t formLimit = 300000;
    std::vector<std::pair<std::string, std::string>> dictionaries;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--locale-dir" && i + 1 < argc) {
            localeDir = argv[++i];
        } else if (arg == "--forms" && i + 1 < argc) {
            formLimit = std::stoul(argv[++i]);
        } else if (const auto equals = arg.find('='); equals != std::string::npos) {
            dictionaries.emplace_back(arg.substr(0, equals), arg.substr(equals + 1));
        } else {
            std::cerr << "usage: spelling_store_report [--locale-dir DIR] [--forms N] "
                         "[NAME=LOCALE ...]\n";
            return 2;
        }
    }
    if (dictionaries.empty()) {
        dictionaries = {{"en_US", ""}, {"ru_RU", "ru"}, {"uk_UA", "uk"}, {"de_DE", "de"},
                        {"fr", "fr"},  {"es_ES", "es"}, {"he_IL", "he"}};
    }
    std::string pattern =
        (std::filesystem::temp_directory_path() / "korrelang-store-report-XXXXXX").string();
    const std::string cacheDir = mkdtemp(pattern.data());
    for (const auto& [name, locale] : dictionaries) {
        report("/usr/share/hunspell/" + name, locale, localeDir, formLimit, cacheDir);
    }
    std::filesystem::remove_all(cacheDir);
    return 0;
}
