#include "spelling/spelling_dictionaries.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "engine/layout_converter.h"
#include "spelling/language_tags.h"
#include "temporary_directory.h"

namespace korrelang::spelling {
namespace {

// The dictionaries that scripts/install-deps installs.
const std::vector<std::string> kSystem = SpellingDictionaries::systemDirectories();

// Every test keeps its word stores apart from the user's cache.
const TemporaryDirectory kCache;

TEST(SpellingDictionaries, ChecksWordsOnceLoaded) {
    SpellingDictionaries dictionaries(kSystem, kCache.path());
    EXPECT_FALSE(dictionaries.covers("russian"));
    EXPECT_FALSE(dictionaries.isWord("russian", "привет"));
    dictionaries.load({"english", "russian", "dvorak"});
    ASSERT_TRUE(dictionaries.covers("russian"));
    ASSERT_TRUE(dictionaries.covers("english"));
    EXPECT_TRUE(dictionaries.covers("dvorak"));  // English, the same dictionary
    EXPECT_FALSE(dictionaries.covers("german"));

    struct Case {
        std::string id, word;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"russian", "привет", true},  {"russian", "Привет", true},  {"russian", "ПРИВЕТ", true},
        {"russian", "ghbdtn", false}, {"russian", "пришет", false}, {"english", "hello", true},
        {"english", "Hello", true},   {"english", "руддщ", false},  {"english", "ghbdtn", false},
        {"german", "hallo", false},   {"dvorak", "hello", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dictionaries.isWord(c.id, c.word), c.expected) << c.id << " " << c.word;
    }

    dictionaries.setEnabled(false);
    EXPECT_FALSE(dictionaries.covers("russian"));
    EXPECT_FALSE(dictionaries.isWord("russian", "привет"));
}

TEST(SpellingDictionaries, EveryInstalledLanguageIsFoundByItsTag) {
    const SpellingDictionaries dictionaries(kSystem, kCache.path());
    for (const std::string id :
         {"english", "russian", "ukrainian", "german", "french", "spanish", "hebrew"}) {
        EXPECT_FALSE(dictionaries.find(id).empty()) << id;
    }
    EXPECT_TRUE(dictionaries.find("no-such-layout").empty());
    EXPECT_TRUE(LanguageTags::forMapping("no-such-layout").empty());
    EXPECT_EQ(LanguageTags::forMapping("german").front(), "de_DE");
}

TEST(SpellingDictionaries, LoadsInTheBackground) {
    SpellingDictionaries dictionaries(kSystem, kCache.path());
    dictionaries.loadInBackground({"english"});
    dictionaries.loadInBackground({"german", "english"});
    dictionaries.waitUntilLoaded();
    EXPECT_TRUE(dictionaries.isWord("german", "Straße"));
    EXPECT_EQ(dictionaries.loadedIDs(), (std::vector<std::string>{"english", "german"}));
}

TEST(SpellingDictionaries, DictionariesInOtherCharacterSetsAreConverted) {
    const TemporaryDirectory directory;
    directory.write("ru_RU.aff", "SET KOI8-R\nTRY оеаинтсрвлкмдпуяызбгчйхжшюцщэфъё\n");
    directory.write("ru_RU.dic", "1\n\xCD\xC9\xD2\n");  // "мир" in KOI8-R
    SpellingDictionaries dictionaries({directory.path()}, kCache.path());
    dictionaries.load({"russian"});
    ASSERT_TRUE(dictionaries.covers("russian"));
    EXPECT_TRUE(dictionaries.isWord("russian", "мир"));
    EXPECT_TRUE(dictionaries.isWord("russian", "Мир"));
    EXPECT_FALSE(dictionaries.isWord("russian", "миръ"));
    EXPECT_FALSE(dictionaries.isWord("russian", "mir€"));  // not in KOI8-R at all
}

TEST(SpellingDictionaries, BrokenOrMissingDictionariesAreSkipped) {
    const TemporaryDirectory directory;
    directory.write("de_DE.dic", "1\nhallo\n");  // no .aff
    directory.write("fr_FR.aff", "SET NO-SUCH-CHARSET\n");
    directory.write("fr_FR.dic", "1\nbonjour\n");
    SpellingDictionaries dictionaries({directory.path()}, kCache.path());
    dictionaries.load({"german", "french", "russian"});
    EXPECT_TRUE(dictionaries.loadedIDs().empty());
    EXPECT_FALSE(dictionaries.covers("french"));
}

// The helper processes that this process started and has not reaped.
std::vector<pid_t> helpersRunning() {
    std::vector<pid_t> helpers;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream statFile(entry.path() / "stat");
        std::string stat;
        if (!std::getline(statFile, stat)) {
            continue;
        }
        // pid (comm) state ppid ...; comm is cut to 15 characters.
        const std::size_t close = stat.rfind(')');
        std::istringstream rest(close == std::string::npos ? "" : stat.substr(close + 2));
        char state = 0;
        pid_t parent = 0;
        rest >> state >> parent;
        if (parent == getpid() && stat.find("(korrelang-spell") != std::string::npos) {
            helpers.push_back(std::stoi(entry.path().filename().string()));
        }
    }
    return helpers;
}

// Quitting during a first start must not wait for seconds of building: the helper is stopped,
// and neither a store nor a half-written file is left.
TEST(SpellingDictionaries, ClosingStopsABuildUnderWay) {
    const TemporaryDirectory directory;
    const TemporaryDirectory cacheFolder;
    std::string affixes = "SET UTF-8\nSFX A Y 40\n";
    for (int i = 0; i < 40; ++i) {
        affixes += "SFX A 0 x" + std::to_string(i) + " .\n";
    }
    directory.write("en_US.aff", affixes);
    std::string words = "200000\n";
    for (int i = 0; i < 200000; ++i) {
        words += "stem" + std::to_string(i) + "/A\n";
    }
    directory.write("en_US.dic", words);
    {
        SpellingDictionaries dictionaries({directory.path()}, cacheFolder.path());
        dictionaries.loadInBackground({"english"});
        for (int i = 0; i < 10000 && helpersRunning().empty(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_FALSE(helpersRunning().empty());
    }
    EXPECT_TRUE(helpersRunning().empty());
    EXPECT_TRUE(std::filesystem::is_empty(cacheFolder.path()));
}

TEST(SpellingDictionaries, WithoutDictionariesTheConverterKeepsItsRules) {
    const TemporaryDirectory empty;
    SpellingDictionaries none({empty.path()}, kCache.path());
    none.load({"english", "german", "russian"});
    SpellingDictionaries real(kSystem, kCache.path());
    real.load({"english", "german", "russian"});
    const std::vector<std::string> layouts = {"xkb.us.English", "xkb.de.German", "xkb.ru.Russian"};
    const auto rules =
        engine::LayoutConverter(&none).convert("ghbdtn", layouts, "xkb.us.English", std::nullopt);
    const auto words =
        engine::LayoutConverter(&real).convert("ghbdtn", layouts, "xkb.us.English", std::nullopt);
    ASSERT_TRUE(rules && words);
    EXPECT_EQ(rules->toLayoutID, "german");
    EXPECT_EQ(rules->convertedText, "ghbdtn");
    EXPECT_EQ(words->toLayoutID, "russian");
    EXPECT_EQ(words->convertedText, "привет");
}

// Real sentences typed on the wrong layout with the typed-on layout active: the examples of
// misses that the rules alone make.
TEST(SpellingDictionaries, ChoosesTheMeantLanguageOfRealSentences) {
    SpellingDictionaries dictionaries(kSystem, kCache.path());
    dictionaries.load({"english", "german", "russian", "ukrainian", "french"});
    struct Case {
        std::vector<std::string> layouts;
        std::string active, typed, meant, converted;
    };
    const std::string en = "xkb.us.English", de = "xkb.de.German", ru = "xkb.ru.Russian",
                      uk = "xkb.ua.Ukrainian", fr = "xkb.fr.French";
    const std::vector<Case> cases = {
        {{en, de, ru}, en, "Yt elfkjcm jnrhsnm afqk", "russian", "Не удалось открыть файл"},
        {{en, ru, uk},
         ru,
         "Використовуэться для жестыв",
         "ukrainian",
         "Використовується для жестів"},
        {{en, de, fr}, fr, "konnte nicht ùndern", "german", "konnte nicht ändern"},
        {{en, de, fr}, fr, "Die Qusrichtung des Zidgets", "german", "Die Ausrichtung des Widgets"},
        {{en, fr, ru}, fr, "Bqckground i,qge for pqnels", "english", "Background image for panels"},
    };
    const engine::LayoutConverter converter(&dictionaries);
    for (const Case& c : cases) {
        const auto result = converter.convert(c.typed, c.layouts, c.active, std::nullopt);
        ASSERT_TRUE(result) << c.typed;
        EXPECT_EQ(result->toLayoutID, c.meant) << c.typed;
        EXPECT_EQ(result->convertedText, c.converted);
    }
}

}  // namespace
}  // namespace korrelang::spelling
