#include "spelling/word_store.h"

#include <gtest/gtest.h>
#include <unicode/unistr.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "../../bench/message_catalogue.h"
#include "spelling/affix_rules.h"
#include "spelling/hunspell_dictionary.h"
#include "spelling/spelling_cache.h"
#include "spelling/word_form_expander.h"
#include "spelling/word_store_builder.h"
#include "temporary_directory.h"

namespace korrelang::spelling {
namespace {

// Small dictionaries, each using one part of the affix file format, with words the store must
// accept and reject. Hunspell itself must agree on every one of them.
struct Case {
    std::string name, aff, dic;
    std::vector<std::string> accepted, rejected;
};

const std::vector<Case> kCases = {
    {"suffixes with conditions and stripping",
     "SET UTF-8\nSFX S Y 3\nSFX S y ies [^aeiou]y\nSFX S 0 s [aeiou]y\nSFX S 0 es [sxz]\n",
     "3\nfly/S\nday/S\nbox/S\n",
     {"fly", "flies", "day", "days", "box", "boxes", "Flies", "BOXES"},
     {"flys", "daies", "boxs", "dayes", "ies"}},
    {"prefixes, cross products and their absence",
     "SET UTF-8\nPFX U Y 1\nPFX U 0 un .\nPFX R N 1\nPFX R 0 re .\nSFX D Y 1\nSFX D 0 ed .\n",
     "2\ndo/UD\nform/RD\n",
     {"do", "undo", "doed", "undoed", "reform", "formed"},
     {"reformed", "unform", "un", "redo"}},
    {"twofold suffixes and NEEDAFFIX on affixes and stems",
     "SET UTF-8\nNEEDAFFIX X\nSFX A Y 1\nSFX A 0 ness/BX .\nSFX B Y 1\nSFX B 0 es .\n"
     "SFX C Y 1\nSFX C 0 ing .\n",
     "2\nkind/A\nwalk/CX\n",
     {"kind", "kindnesses", "walking"},
     {"kindness", "walk", "kindes"}},
    {"ONLYINCOMPOUND, FORBIDDENWORD and CIRCUMFIX",
     "SET UTF-8\nONLYINCOMPOUND O\nFORBIDDENWORD F\nCIRCUMFIX C\nPFX P Y 1\nPFX P 0 ge/C .\n"
     "SFX T Y 2\nSFX T 0 t/C .\nSFX T 0 en .\n",
     "4\nmach/PT\nfug/O\nbad/F\nsag/T\n",
     {"mach", "gemacht", "machen", "sag", "sagen", "gemach"},
     {"fug", "bad", "macht", "gemachen", "sagt"}},
    {"prefixes taken off instead of listed, with conditions and stripping",
     "SET UTF-8\nNEEDAFFIX j\nPFX a N 3\nPFX a 0 b [^w]\nPFX a 0 bw w[^w]\nPFX a x y x\n",
     "3\nwater/aj\nxray/a\nwwater/a\n",
     {"bwwater", "xray", "bxray", "yray", "Bxray", "wwater"},
     {"water", "bwater", "yater", "xater", "bwwwater", "b", "y"}},
    {"long flags",
     "SET UTF-8\nFLAG long\nSFX Aa Y 1\nSFX Aa 0 er .\nSFX Bb Y 1\nSFX Bb 0 est .\n",
     "1\nfast/AaBb\n",
     {"fast", "faster", "fastest"},
     {"fasters"}},
    {"numeric flags and flag aliases",
     "SET UTF-8\nFLAG num\nAF 1\nAF 101,102\nSFX 101 Y 1\nSFX 101 0 s .\nSFX 102 Y 1\n"
     "SFX 102 0 ed .\n",
     "1\nwalk/1\n",
     {"walk", "walks", "walked"},
     {"walkeds"}},
    {"UTF-8 flags, IGNORE and ICONV",
     "SET UTF-8\nFLAG UTF-8\nIGNORE \u0301\nICONV 1\nICONV \u2019 '\nSFX \u00e9 Y 1\n"
     "SFX \u00e9 0 \u0430 .\n",
     "2\n\u0441\u0442\u043e\u043b/\u00e9\ndon't\n",
     {"\u0441\u0442\u043e\u043b", "\u0441\u0442\u043e\u043b\u0430",
      "\u0441\u0442\u043e\u0301\u043b", "don\u2019t", "don't"},
     {"\u0441\u0442\u043e\u043b\u044b", "dont"}},
    {"compounds of permitted parts",
     "SET UTF-8\nCOMPOUNDBEGIN x\nCOMPOUNDMIDDLE y\nCOMPOUNDEND z\nCOMPOUNDMIN 3\n",
     "3\nhaus/xz\ntuer/z\nbaum/xy\n",
     {"haus", "haustuer", "baumhaus", "baumbaumhaus", "Haustuer"},
     {"tuerhaus", "hausbaum", "haustu"}},
    {"words in another character set",
     "SET KOI8-R\nSFX A Y 1\nSFX A 0 \xC1 .\n",  // "а" in KOI8-R
     "1\n\xCD\xC9\xD2/A\n",                      // "мир"
     {"\u043c\u0438\u0440", "\u043c\u0438\u0440\u0430", "\u041c\u0418\u0420"},
     {"\u043c\u0438\u0440\u044a", "mir\u20ac"}},
};

TEST(WordStore, AcceptsWhatHunspellAcceptsForEachPartOfTheFormat) {
    const TemporaryDirectory directory;
    for (const Case& c : kCases) {
        const std::string base = directory.path() + "/case";
        directory.write("case.aff", c.aff);
        directory.write("case.dic", c.dic);
        const std::string path = directory.path() + "/case.words";
        ASSERT_TRUE(WordStoreBuilder::build(base, path, 7)) << c.name;
        const auto store = WordStore::open(path, 7);
        ASSERT_TRUE(store) << c.name;
        const auto hunspell = HunspellDictionary::load(base);
        ASSERT_TRUE(hunspell) << c.name;
        const auto hunspellAccepts = [&](const std::string& word) {
            std::string lowered;
            icu::UnicodeString::fromUTF8(word).toLower().toUTF8String(lowered);
            return hunspell->check(word) || hunspell->check(lowered);
        };
        for (const std::string& word : c.accepted) {
            EXPECT_TRUE(store->contains(word)) << c.name << ": " << word;
            EXPECT_TRUE(hunspellAccepts(word)) << c.name << ": Hunspell rejects " << word;
        }
        for (const std::string& word : c.rejected) {
            EXPECT_FALSE(store->contains(word)) << c.name << ": " << word;
            EXPECT_FALSE(hunspellAccepts(word)) << c.name << ": Hunspell accepts " << word;
        }
    }
}

// The English dictionary, expanded: Hunspell accepts every form, and on the words of real text
// (the original strings of the installed message catalogues) the two agree.
TEST(WordStore, AgreesWithHunspellOnARealDictionary) {
    const std::string base = "/usr/share/hunspell/en_US";
    const auto rules = AffixRules::read(base + ".aff");
    const auto hunspell = HunspellDictionary::load(base);
    ASSERT_TRUE(rules && hunspell);
    std::size_t forms = 0;
    std::vector<std::string> rejected;
    WordFormExpander(*rules).expand(base + ".dic", [&](const std::u32string& form, unsigned roles) {
        if ((roles & WordFormExpander::Word) == 0) {
            return;
        }
        ++forms;
        std::string utf8;
        icu::UnicodeString::fromUTF32(reinterpret_cast<const UChar32*>(form.data()),
                                      static_cast<int32_t>(form.size()))
            .toUTF8String(utf8);
        if (!hunspell->check(utf8)) {
            rejected.push_back(utf8);
        }
    });
    EXPECT_GT(forms, 100000U);
    EXPECT_TRUE(rejected.empty()) << rejected.size() << " forms, first " << rejected.front();

    const TemporaryDirectory directory;
    const std::string path = directory.path() + "/en_US.words";
    ASSERT_TRUE(WordStoreBuilder::build(base, path, 1));
    const auto store = WordStore::open(path, 1);
    ASSERT_TRUE(store);
    std::set<std::string> words;
    for (const auto& entry :
         std::filesystem::directory_iterator("/usr/share/locale/ru/LC_MESSAGES")) {
        for (const auto& [original, translation] : readMessageCatalogue(entry.path().string())) {
            std::string word;
            for (const char c : original + " ") {
                if (std::isalpha(static_cast<unsigned char>(c)) || (c == '\'' && !word.empty())) {
                    word += c;
                } else {
                    if (word.size() >= 2 && word.back() != '\'') {
                        words.insert(word);
                    }
                    word.clear();
                }
            }
        }
    }
    ASSERT_GT(words.size(), 5000U);
    std::size_t agree = 0;
    std::string differences;
    for (const std::string& word : words) {
        std::string lowered = word;
        for (char& c : lowered) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        const bool byStore = store->contains(word);
        if (byStore == (hunspell->check(word) || hunspell->check(lowered))) {
            ++agree;
        } else if (differences.size() < 400) {
            differences += (byStore ? " +" : " -") + word;
        }
    }
    EXPECT_GE(static_cast<double>(agree), 0.99 * static_cast<double>(words.size())) << differences;
}

}  // namespace
}  // namespace korrelang::spelling
