// How often the first press converts to the layout the user meant, with and without the spelling
// dictionaries. Sentences come from the translated message catalogues installed under
// /usr/share/locale (English from their original strings): real text nobody on the project
// wrote. Each is typed on every other layout of a set by mapping its keys (the engine's own
// tables) and converted with the typed-on layout active, as the hotkey does.
//
//   spelling_accuracy [--sentences N] [--seed S] [--locale-dir DIR] [--show-misses K]
//   spelling_accuracy --memory ID,ID,ID [--hunspell | --cache DIR]   resident memory growth and
//                                       load time with those dictionaries (see measureMemory)
//
// The sample is fixed by the seed and the installed catalogues; the catalogues used are printed.

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "bench_support.h"
#include "engine/grapheme_cursor.h"
#include "engine/keyboard_mapping_registry.h"
#include "engine/layout_converter.h"
#include "engine/unicode.h"
#include "message_catalogue.h"
#include "spelling/hunspell_dictionary.h"
#include "spelling/spelling_dictionaries.h"

namespace {

using korrelang::bench::Clock;
using korrelang::bench::millisecondsSince;
using korrelang::bench::residentMiB;
using korrelang::engine::GraphemeCursor;
using korrelang::engine::KeyboardMapping;
using korrelang::engine::KeyboardMappingRegistry;
using korrelang::engine::LayoutConverter;
using korrelang::spelling::HunspellDictionary;
using korrelang::spelling::SpellingDictionaries;
namespace unicode = korrelang::engine::unicode;

struct Language {
    std::string mappingID;
    std::string locale;  // "" for English: the catalogues' original strings
    std::string identifier;
};

const std::vector<Language> kLanguages = {
    {"english", "", "xkb.us.English"},       {"russian", "ru", "xkb.ru.Russian"},
    {"ukrainian", "uk", "xkb.ua.Ukrainian"}, {"german", "de", "xkb.de.German"},
    {"french", "fr", "xkb.fr.French"},       {"spanish", "es", "xkb.es.Spanish"},
};

const std::vector<std::vector<std::string>> kLayoutSets = {
    {"english", "russian"},
    {"english", "german", "russian"},
    {"english", "russian", "ukrainian"},
    {"english", "ukrainian", "russian"},
    {"english", "french", "russian"},
    {"english", "german", "french"},
    {"english", "spanish", "russian"},
};

const Language& language(const std::string& id) {
    for (const Language& candidate : kLanguages) {
        if (candidate.mappingID == id) {
            return candidate;
        }
    }
    std::cerr << "unknown layout " << id << "\n";
    std::exit(2);
}

// A plain sentence of words: no markup, placeholders, accelerators or paths, mostly letters,
// 4 words and 20 to 160 characters, every character typed by the layout.
bool plainSentence(const std::string& text, const KeyboardMapping& layout) {
    if (!unicode::isValidUtf8(text) ||
        text.find_first_of("%{}<>\\$@_&\n\t/=|[]#*0123456789") != std::string::npos) {
        return false;
    }
    std::size_t characters = 0;
    std::size_t letters = 0;
    std::size_t words = 0;
    bool inWord = false;
    GraphemeCursor cursor(text);
    std::string_view character;
    while (cursor.next(character)) {
        ++characters;
        const char32_t first = unicode::firstCodePoint(character);
        if (unicode::isWhitespace(first)) {
            if (character != " ") {
                return false;
            }
            inWord = false;
            continue;
        }
        if (!layout.types(character)) {
            return false;
        }
        if (unicode::isAlphabetic(first)) {
            ++letters;
            words += inWord ? 0 : 1;
            inWord = true;
        }
    }
    return characters >= 20 && characters <= 160 && words >= 4 && letters * 10 >= characters * 8;
}

std::vector<std::string> sentences(const std::string& localeDir, const Language& meant,
                                   std::size_t count, std::uint32_t seed,
                                   std::set<std::string>& domains) {
    const auto& registry = KeyboardMappingRegistry::shared();
    const KeyboardMapping layout = *registry.mappingFor(meant.identifier);
    // English comes from the originals of the Russian catalogues.
    const std::string locale = meant.locale.empty() ? "ru" : meant.locale;
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry :
         std::filesystem::directory_iterator(localeDir + "/" + locale + "/LC_MESSAGES", error)) {
        if (entry.path().extension() == ".mo") {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    std::set<std::string> found;
    for (const std::string& file : files) {
        for (const auto& [original, translation] : readMessageCatalogue(file)) {
            const std::string& text = meant.locale.empty() ? original : translation;
            if (!original.empty() && plainSentence(text, layout)) {
                found.insert(text);
                domains.insert(std::filesystem::path(file).stem().string());
            }
        }
    }
    std::vector<std::string> sample(found.begin(), found.end());
    std::mt19937 random(seed);
    std::shuffle(sample.begin(), sample.end(), random);
    sample.resize(std::min(sample.size(), count));
    return sample;
}

std::vector<std::string> splitList(const std::string& list) {
    std::vector<std::string> ids;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        ids.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    return ids;
}

// Resident memory growth and load time with these dictionaries loaded: through their word
// stores in `cache` (built there first when missing: run twice for the cold and the warm
// figures; a fresh temporary folder when empty), or, with `hunspell`, through Hunspell as before
// the stores. Opening a store reads it whole (its checksum), so every page of it is resident:
// the figure is the most the stores can take, not a lucky sample.
int measureMemory(const std::string& list, bool hunspell, std::string cache) {
    const std::vector<std::string> ids = splitList(list);
    KeyboardMappingRegistry::shared();
    const bool temporary = cache.empty();
    if (temporary) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "korrelang-memory-XXXXXX").string();
        cache = mkdtemp(pattern.data());
    }
    SpellingDictionaries dictionaries(SpellingDictionaries::systemDirectories(), cache);
    std::vector<std::unique_ptr<HunspellDictionary>> loaded;
    const double before = residentMiB(getpid());
    const auto started = Clock::now();
    if (hunspell) {
        for (const std::string& id : ids) {
            if (auto dictionary = HunspellDictionary::load(dictionaries.find(id))) {
                loaded.push_back(std::move(dictionary));
            }
        }
    } else {
        dictionaries.loadInBackground(ids);
        dictionaries.waitUntilLoaded();
    }
    const double elapsed = millisecondsSince(started);
    const double after = residentMiB(getpid());
    std::string how = "hunspell";
    if (!hunspell) {
        how.clear();
        for (const std::string& id : ids) {
            how += (how.empty() ? "" : ",") + dictionaries.checkedBy(id);
        }
    }
    std::printf("%-28s %-24s +%5.1f MB resident, %6.0f ms\n", list.c_str(), how.c_str(),
                after - before, elapsed);
    if (temporary) {
        std::filesystem::remove_all(cache);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t count = 300;
    std::uint32_t seed = 20260412;
    std::string localeDir = "/usr/share/locale";
    std::size_t showMisses = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--sentences" && hasValue) {
            count = std::stoul(argv[++i]);
        } else if (arg == "--seed" && hasValue) {
            seed = static_cast<std::uint32_t>(std::stoul(argv[++i]));
        } else if (arg == "--locale-dir" && hasValue) {
            localeDir = argv[++i];
        } else if (arg == "--show-misses" && hasValue) {
            showMisses = std::stoul(argv[++i]);
        } else if (arg == "--memory" && hasValue) {
            const std::string list = argv[++i];
            bool hunspell = false;
            std::string cache;
            for (++i; i < argc; ++i) {
                const std::string option = argv[i];
                if (option == "--hunspell") {
                    hunspell = true;
                } else if (option == "--cache" && i + 1 < argc) {
                    cache = argv[++i];
                }
            }
            return measureMemory(list, hunspell, cache);
        } else {
            std::cerr << "usage: spelling_accuracy [--sentences N] [--seed S] [--locale-dir DIR] "
                         "[--show-misses K] | --memory ID,ID,... [--hunspell | --cache DIR]\n";
            return 2;
        }
    }

    const auto& registry = KeyboardMappingRegistry::shared();
    std::map<std::string, std::vector<std::string>> text;
    std::set<std::string> domains;
    for (const Language& meant : kLanguages) {
        text[meant.mappingID] = sentences(localeDir, meant, count, seed, domains);
    }
    std::printf("Sentences per language (seed %u):", seed);
    for (const Language& meant : kLanguages) {
        std::printf(" %s %zu", meant.mappingID.c_str(), text[meant.mappingID].size());
    }
    std::printf("\nfrom %zu catalogues under %s\n", domains.size(), localeDir.c_str());

    SpellingDictionaries dictionaries;
    std::vector<std::string> ids;
    for (const Language& meant : kLanguages) {
        ids.push_back(meant.mappingID);
    }
    dictionaries.load(ids);
    const LayoutConverter before;
    const LayoutConverter after(&dictionaries);

    std::printf("\n%-40s %9s %9s %7s %6s\n", "The user's layouts, in order", "before", "after",
                "typed", "same");
    for (const auto& set : kLayoutSets) {
        std::vector<std::string> identifiers;
        std::string name;
        for (const std::string& id : set) {
            identifiers.push_back(language(id).identifier);
            name += (name.empty() ? "" : ", ") +
                    registry.mappingFor(language(id).identifier)->displayName();
        }
        std::size_t total = 0;
        std::size_t rightBefore = 0;
        std::size_t rightAfter = 0;
        std::size_t shown = 0;
        std::size_t same = 0;
        for (const std::string& meantID : set) {
            const KeyboardMapping meant = *registry.mappingFor(language(meantID).identifier);
            for (const std::string& typedID : set) {
                if (typedID == meantID) {
                    continue;
                }
                const Language& typedOn = language(typedID);
                const KeyboardMapping typed = *registry.mappingFor(typedOn.identifier);
                for (const std::string& sentence : text[meantID]) {
                    const std::string typedText = before.mapCharacters(sentence, meant, typed);
                    if (typedText == sentence) {
                        ++same;  // nothing was typed wrong: no press to judge
                        continue;
                    }
                    ++total;
                    const auto old =
                        before.convert(typedText, identifiers, typedOn.identifier, std::nullopt);
                    rightBefore += old && old->toLayoutID == meantID ? 1 : 0;
                    const auto now =
                        after.convert(typedText, identifiers, typedOn.identifier, std::nullopt);
                    const bool right = now && now->toLayoutID == meantID;
                    rightAfter += right ? 1 : 0;
                    if (!right && shown < showMisses) {
                        ++shown;
                        std::printf("  miss: %s typed on %s: \"%s\" → %s \"%s\"\n", meantID.c_str(),
                                    typedID.c_str(), typedText.c_str(),
                                    now ? now->toLayoutID.c_str() : "none",
                                    now ? now->convertedText.c_str() : "");
                    }
                }
            }
        }
        const auto percent = [total](std::size_t right) {
            return total == 0 ? 0.0
                              : 100.0 * static_cast<double>(right) / static_cast<double>(total);
        };
        std::printf("%-40s %8.1f%% %8.1f%% %7zu %6zu\n", name.c_str(), percent(rightBefore),
                    percent(rightAfter), total, same);
    }
    return 0;
}
