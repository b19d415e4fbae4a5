#include <gtest/gtest.h>

#include <set>

#include "engine/layout_converter.h"
#include "engine/word_share.h"
#include "support/log_capture.h"

namespace korrelang::engine {
namespace {

using testing::LogCapture;
using Layouts = std::vector<std::string>;

const std::string kEnglish = "xkb.us.English";
const std::string kGerman = "xkb.de.German";
const std::string kRussian = "xkb.ru.Russian";
const std::string kUkrainian = "xkb.ua.Ukrainian";
const std::string kFrench = "xkb.fr.French";
const std::string kArmenian = "xkb.am.Armenian";

// A few words per language: enough to tell the candidates of these cases apart.
class WordList final : public WordScorer {
public:
    WordList(std::set<std::string> covered, std::set<std::pair<std::string, std::string>> words)
        : m_covered(std::move(covered)), m_words(std::move(words)) {}
    bool covers(std::string_view id) const override { return m_covered.count(std::string(id)) > 0; }
    bool isWord(std::string_view id, std::string_view word) const override {
        return m_words.count({std::string(id), std::string(word)}) > 0;
    }

private:
    std::set<std::string> m_covered;
    std::set<std::pair<std::string, std::string>> m_words;
};

const WordList kWords(
    {"english", "german", "russian", "ukrainian", "french"},
    {{"russian", "привет"}, {"russian", "как"},      {"russian", "дела"},
     {"russian", "для"},    {"russian", "жестов"},   {"ukrainian", "використовується"},
     {"ukrainian", "для"},  {"ukrainian", "жестів"}, {"english", "hello"},
     {"english", "image"},  {"english", "for"},      {"english", "panels"},
     {"german", "zeit"},    {"german", "zu"},        {"german", "ändern"},
     {"german", "nicht"},   {"german", "konnte"},    {"german", "ich"},
     {"german", "bin"},     {"french", "homme"},     {"french", "image"},
     {"french", "for"},     {"french", "panels"},    {"english", "the"},
     {"english", "black"},  {"english", "cat"}});

struct ChoiceCase {
    std::string name;
    std::string text;
    Layouts layouts;
    std::optional<std::string> active;
    std::optional<std::string> preferred;
    std::string converted;
    std::string from;
    std::string to;
};

class SpellingChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(SpellingChoice, ConvertsToTheLayoutWhoseResultIsWords) {
    const ChoiceCase& c = GetParam();
    const auto result = LayoutConverter(&kWords).convert(c.text, c.layouts, c.active, c.preferred);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->convertedText, c.converted);
    EXPECT_EQ(result->fromLayoutID, c.from);
    EXPECT_EQ(result->toLayoutID, c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpellingChoice,
    ::testing::Values(
        // The rules alone give German, whose result is the text itself.
        ChoiceCase{"IdenticalResultPassedOver",
                   "ghbdtn",
                   {kEnglish, kGerman, kRussian},
                   kEnglish,
                   std::nullopt,
                   "привет",
                   "english",
                   "russian"},
        // Typed on the English layout, meant Ukrainian: the rules alone give Russian.
        ChoiceCase{"UkrainianTypedOnEnglish",
                   "Dbrjhbcnjde'nmcz",
                   {kEnglish, kRussian, kUkrainian},
                   kEnglish,
                   std::nullopt,
                   "Використовується",
                   "english",
                   "ukrainian"},
        ChoiceCase{"CyrillicTypedOnRussianMeantUkrainian",
                   "Використовуэться",
                   {kEnglish, kRussian, kUkrainian},
                   kRussian,
                   std::nullopt,
                   "Використовується",
                   "russian",
                   "ukrainian"},
        // Every Latin layout types the text: the active one is tried as the source first.
        ChoiceCase{"GermanTypedOnFrench",
                   "konnte nicht ùndern",
                   {kEnglish, kGerman, kFrench},
                   kFrench,
                   std::nullopt,
                   "konnte nicht ändern",
                   "french",
                   "german"},
        ChoiceCase{"EnglishTypedOnFrenchWithSameLettersElsewhere",
                   "i,qge for pqnels",
                   {kEnglish, kFrench, kRussian},
                   kFrench,
                   std::nullopt,
                   "image for panels",
                   "french",
                   "english"},
        // A word at a sentence start, in capitals or with stray case still counts.
        ChoiceCase{"CaseFormsCount",
                   "Rfr LTKF",
                   {kEnglish, kGerman, kRussian},
                   kEnglish,
                   std::nullopt,
                   "Как ДЕЛА",
                   "english",
                   "russian"},
        // A preferred target stands even when another reads better.
        ChoiceCase{"PreferredTargetKeepsItsPlace",
                   "ghbdtn",
                   {kEnglish, kFrench, kRussian},
                   kEnglish,
                   "french",
                   "ghbdtn",
                   "english",
                   "french"},
        // Neither result is words: the active keyboard's rule, then the list, decide.
        ChoiceCase{"NoClearWinnerFallsBack",
                   "qwxv",
                   {kEnglish, kRussian, kUkrainian},
                   kEnglish,
                   std::nullopt,
                   "йцчм",
                   "english",
                   "russian"},
        // Armenian has no dictionary here: it counts as half words, and real Russian words beat
        // that, while Russian nonsense loses to it.
        ChoiceCase{"WordsBeatALayoutWithoutDictionary",
                   "ghbdtn",
                   {kEnglish, kArmenian, kRussian},
                   kEnglish,
                   std::nullopt,
                   "привет",
                   "english",
                   "russian"},
        ChoiceCase{"LayoutWithoutDictionaryBeatsNonsense",
                   "ntcn",
                   {kEnglish, kRussian, kArmenian},
                   kEnglish,
                   std::nullopt,
                   "նդգն",
                   "english",
                   "armenian"}),
    [](const ::testing::TestParamInfo<ChoiceCase>& param) { return param.param.name; });

TEST(SpellingChoice, WithoutScorerOrCoverageTheRulesDecideExactlyAsBefore) {
    const WordList nothingCovered({}, {{"russian", "привет"}});
    const std::vector<std::tuple<std::string, Layouts, std::optional<std::string>>> cases = {
        {"ghbdtn", {kEnglish, kGerman, kRussian}, kEnglish},
        {"Dbrjhbcnjde'nmcz", {kEnglish, kRussian, kUkrainian}, std::nullopt},
        {"konnte nicht ùndern", {kEnglish, kGerman, kFrench}, kFrench},
        {"ghbdtn", {kEnglish, kRussian}, kGerman},
    };
    for (const auto& [text, layouts, active] : cases) {
        const auto rules = LayoutConverter().convert(text, layouts, active, std::nullopt);
        for (const WordScorer* scorer : {static_cast<const WordScorer*>(nullptr),
                                         static_cast<const WordScorer*>(&nothingCovered)}) {
            const auto result =
                LayoutConverter(scorer).convert(text, layouts, active, std::nullopt);
            ASSERT_EQ(result.has_value(), rules.has_value()) << text;
            if (rules) {
                EXPECT_EQ(result->convertedText, rules->convertedText) << text;
                EXPECT_EQ(result->toLayoutID, rules->toLayoutID) << text;
                EXPECT_EQ(result->fromLayoutID, rules->fromLayoutID) << text;
            }
        }
    }
}

TEST(SpellingChoice, LogsEachCandidateWithTheTextMarkedAsTheUsers) {
    const LogCapture log;
    LayoutConverter(&kWords).convert("ghbdtn", {kEnglish, kGerman, kRussian}, kEnglish,
                                     std::nullopt);
    const std::vector<std::string> expected = {
        "📖 English → German: same as the text",
        "📖 German → English: same as the text",
        "📖 English → Russian: 100.0% (6/6 letters in words) '<6 chars>'",
        "📖 German → Russian: 100.0% (6/6 letters in words) '<6 chars>'",
        "📖 Spelling: English → Russian alone changes the text",
    };
    for (const std::string& line : expected) {
        EXPECT_TRUE(log.contains(line, false)) << line;
    }
}

struct ShareCase {
    std::string text;
    std::size_t letters;
    std::size_t inWords;
};

TEST(WordShare, CountsLettersOfRealWordsOnly) {
    const WordList words({"english", "french"}, {{"english", "the"},
                                                 {"english", "black"},
                                                 {"english", "cat"},
                                                 {"english", "and"},
                                                 {"english", "or"},
                                                 {"english", "don't"},
                                                 {"french", "homme"}});
    const std::vector<ShareCase> cases = {
        {"the black cat", 11, 11},
        {"The BLACK Cat.", 11, 11},    // case forms are tried in lower case
        {"the blakc cat", 11, 6},      // a misspelt word counts as letters only
        {"a cat", 3, 3},               // single letters say nothing
        {"don't", 4, 4},               // an apostrophe inside stays in the word
        {"and/or the cat", 11, 11},    // "/" and "." separate words
        {"the;black cat", 11, 3},      // a ";" inside a token spoils all its words
        {"(the) \"cat\", and", 9, 9},  // marks around words are not inside them
        {"", 0, 0},
        {"123 !!", 0, 0},
    };
    for (const ShareCase& c : cases) {
        const WordShare share = WordShare::of(c.text, "english", words);
        EXPECT_EQ(share.letters, c.letters) << c.text;
        EXPECT_EQ(share.inWords, c.inWords) << c.text;
    }
    // A piece between apostrophes counts when the whole does not.
    const WordShare elision = WordShare::of("l'homme", "french", words);
    EXPECT_EQ(elision.letters, 6u);
    EXPECT_EQ(elision.inWords, 5u);
}

}  // namespace
}  // namespace korrelang::engine
