#include <gtest/gtest.h>

#include "engine/keyboard_mapping_registry.h"
#include "engine/layout_converter.h"
#include "support/log_capture.h"

namespace korrelang::engine {
namespace {

using testing::LogCapture;
using Layouts = std::vector<std::string>;

const std::string kEnglish = "com.apple.keylayout.US";
const std::string kRussian = "com.apple.keylayout.Russian";
const std::string kHebrew = "com.apple.keylayout.Hebrew";
const std::string kGerman = "com.apple.keylayout.German";

KeyboardMapping mapping(const std::string& identifier) {
    return *KeyboardMappingRegistry::shared().mappingFor(identifier);
}

std::vector<KeyboardMapping> mappings(const Layouts& identifiers) {
    std::vector<KeyboardMapping> result;
    for (const auto& identifier : identifiers) {
        result.push_back(mapping(identifier));
    }
    return result;
}

struct ConvertCase {
    std::string name;
    std::string text;
    Layouts layouts;
    std::optional<std::string> active;
    std::optional<std::string> preferred;
    std::string converted;  // "" with `from` empty: no result
    std::string from;
    std::string to;
};

class Convert : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(Convert, GivesTheMeantText) {
    const ConvertCase& c = GetParam();
    const auto result = LayoutConverter().convert(c.text, c.layouts, c.active, c.preferred);
    if (c.from.empty()) {
        EXPECT_FALSE(result.has_value());
        return;
    }
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->convertedText, c.converted);
    EXPECT_EQ(result->fromLayoutID, c.from);
    EXPECT_EQ(result->toLayoutID, c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Convert,
    ::testing::Values(ConvertCase{"EnglishToRussian",
                                  "ghbdtn",
                                  {kEnglish, kRussian},
                                  {},
                                  {},
                                  "привет",
                                  "english",
                                  "russian"},
                      ConvertCase{"ShiftCarriesCase",
                                  "Ghbdtn",
                                  {kEnglish, kRussian},
                                  {},
                                  {},
                                  "Привет",
                                  "english",
                                  "russian"},
                      ConvertCase{"RussianToEnglish",
                                  "руддщ цщкдв",
                                  {kEnglish, kRussian},
                                  {},
                                  {},
                                  "hello world",
                                  "russian",
                                  "english"},
                      ConvertCase{"LinesAndSpacesPassThrough",
                                  "ghbdtn\r\nvbh\tb",
                                  {kEnglish, kRussian},
                                  {},
                                  {},
                                  "привет\r\nмир\tи",
                                  "english",
                                  "russian"},
                      ConvertCase{"CaselessSourceGetsSentenceCapitals",
                                  "שלום! מה",
                                  {kEnglish, kHebrew},
                                  {},
                                  {},
                                  "Akuo! Nv",
                                  "hebrew",
                                  "english"},
                      ConvertCase{"SlashEndsNoSentence",
                                  "שלום. מה",
                                  {kEnglish, kHebrew},
                                  {},
                                  {},
                                  "Akuo/ nv",
                                  "hebrew",
                                  "english"},
                      ConvertCase{"ParenthesesSwapInHebrew",
                                  "(abc",
                                  {kEnglish, kHebrew},
                                  {},
                                  {},
                                  ")שנב",
                                  "english",
                                  "hebrew"},
                      ConvertCase{"TypographicApostropheFolds",
                                  "it’s",
                                  {kEnglish, kRussian},
                                  {},
                                  {},
                                  "шеэы",
                                  "english",
                                  "russian"},
                      ConvertCase{"UntypedCharacterStays",
                                  "ghbdtn €",
                                  {kEnglish, kRussian},
                                  {},
                                  {},
                                  "привет €",
                                  "english",
                                  "russian"},
                      ConvertCase{"KeyTypingNothingDropsTheCharacter",
                                  "zab",
                                  {kEnglish, "xkb.bd.Bengali"},
                                  {},
                                  {},
                                  "\u09cb\u09f1",
                                  "english",
                                  "bengali"},
                      ConvertCase{"PreferredTargetWins",
                                  "ghbdtn",
                                  {kEnglish, kHebrew, kRussian},
                                  kHebrew,
                                  "russian",
                                  "привет",
                                  "english",
                                  "russian"},
                      ConvertCase{"ActiveKeyboardDecidesAmongSeveral",
                                  "ghbdtn",
                                  {kEnglish, kHebrew, kRussian},
                                  kRussian,
                                  {},
                                  "привет",
                                  "english",
                                  "russian"},
                      ConvertCase{"FallbackToFirstTarget",
                                  "ghbdtn",
                                  {kEnglish, kHebrew, kRussian},
                                  {},
                                  {},
                                  "עינגאמ",
                                  "english",
                                  "hebrew"},
                      ConvertCase{"SameLanguageTwiceIsOneCandidate",
                                  "abc",
                                  {kEnglish, "com.apple.keylayout.British"},
                                  {},
                                  {},
                                  "",
                                  "",
                                  ""},
                      ConvertCase{"OnlySpaces", "   ", {kEnglish, kRussian}, {}, {}, "", "", ""},
                      ConvertCase{"EmptyText", "", {kEnglish, kRussian}, {}, {}, "", "", ""},
                      ConvertCase{"HalfIsNotEnough", "aש", {kEnglish, kHebrew}, {}, {}, "", "", ""},
                      ConvertCase{
                          "InvalidUtf8", "gh\xff", {kEnglish, kRussian}, {}, {}, "", "", ""},
                      ConvertCase{"IdenticalTablesConvertToThemselves",
                                  "hej",
                                  {"xkb.se.Swedish", "xkb.fi.Finnish"},
                                  {},
                                  {},
                                  "hej",
                                  "swedish",
                                  "finnish"},
                      ConvertCase{"UyghurHasNoShiftedLetters",
                                  "QaZ",
                                  {kEnglish, "xkb.cn(ug).Uyghur"},
                                  {},
                                  {},
                                  "ﭺھ",
                                  "english",
                                  "uyghur"}),
    [](const auto& testInfo) { return testInfo.param.name; });

TEST(Detection, ScoresEachCandidateAndLogsThem) {
    const LogCapture log;
    const auto source = LayoutConverter().detectSource("ghbdtn", mappings({kEnglish, kRussian}));
    ASSERT_TRUE(source);
    EXPECT_EQ(source->id(), "english");
    EXPECT_EQ(log.lines(), (std::vector<std::string>{
                               "🔍 DetectSource: scoring 6 chars against 2 candidates:",
                               "   English: 6/6 = 100.0%",
                               "   Russian: 0/6 = 0.0%",
                               "🔍 DetectSource: winner = English (100.0%)",
                           }));
}

TEST(Detection, TiesGoToTheEarlierCandidate) {
    const LayoutConverter converter;
    EXPECT_EQ(converter.detectSource("abc", mappings({kEnglish, kGerman}))->id(), "english");
    EXPECT_EQ(converter.detectSource("abc", mappings({kGerman, kEnglish}))->id(), "german");
}

TEST(Detection, ExactlyHalfFails) {
    const LogCapture log;
    EXPECT_FALSE(LayoutConverter().detectSource("aש", mappings({kEnglish, kHebrew})));
    EXPECT_TRUE(log.contains("🔍 DetectSource: best score 50.0% < 50% threshold - FAILED"));
}

TEST(Detection, WhitespaceIsNotCountedAndQuotesAreNotFolded) {
    const LogCapture log;
    const auto source =
        LayoutConverter().detectSource("it’s \n\u2003", mappings({kEnglish, kRussian}));
    ASSERT_TRUE(source);
    EXPECT_TRUE(log.contains("   English: 3/4 = 75.0%"));
}

// Mappings built outside the registry number their characters on their own; scoring them
// together with catalogue mappings must not mix the numbers up.
TEST(Detection, MappingsWithTheirOwnIndexScoreCorrectly) {
    const auto custom = KeyboardMapping::create("custom", "Custom", {"custom"}, false, true,
                                                {{KEY_Q, {"ж", "Ж"}}, {KEY_W, {"q", "Q"}}});
    ASSERT_TRUE(custom);
    const LogCapture log;
    const auto source =
        LayoutConverter().detectSource("жжq", {mapping(kEnglish), *custom, mapping(kRussian)});
    ASSERT_TRUE(source);
    EXPECT_EQ(source->id(), "custom");
    EXPECT_TRUE(log.contains("   English: 1/3 = 33.3%"));
    EXPECT_TRUE(log.contains("   Custom: 3/3 = 100.0%"));
    EXPECT_TRUE(log.contains("   Russian: 2/3 = 66.7%"));
    EXPECT_EQ(LayoutConverter().mapCharacters("жQ", *custom, mapping(kEnglish)), "qW");
}

TEST(Detection, EmptyAfterFiltering) {
    const LogCapture log;
    EXPECT_FALSE(LayoutConverter().detectSource(" \t\n", mappings({kEnglish, kRussian})));
    EXPECT_EQ(log.lines(),
              (std::vector<std::string>{"🔍 DetectSource: empty text after filtering"}));
}

struct TargetCase {
    std::string name;
    Layouts candidates;
    std::optional<std::string> active;
    std::optional<std::string> preferred;
    std::string expected;
    std::string logLine;
};

class Target : public ::testing::TestWithParam<TargetCase> {};

TEST_P(Target, FollowsTheRules) {
    const TargetCase& c = GetParam();
    const LogCapture log;
    const auto target = LayoutConverter().determineTarget(mapping(kEnglish), mappings(c.candidates),
                                                          c.active, c.preferred);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->id(), c.expected);
    EXPECT_TRUE(log.contains(c.logLine)) << ::testing::PrintToString(log.lines());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Target,
    ::testing::Values(TargetCase{"Preferred",
                                 {kEnglish, kHebrew, kRussian},
                                 kHebrew,
                                 "russian",
                                 "russian",
                                 "🎯 DetermineTarget: using preferred (cycling) → Russian"},
                      TargetCase{"PreferredSourceIsIgnored",
                                 {kEnglish, kHebrew, kRussian},
                                 {},
                                 "english",
                                 "hebrew",
                                 "🎯 DetermineTarget: fallback to first target → Hebrew"},
                      TargetCase{"PreferredUnselectedIsIgnored",
                                 {kEnglish, kHebrew, kRussian},
                                 kRussian,
                                 "german",
                                 "russian",
                                 "🎯 DetermineTarget: active keyboard matches → Russian"},
                      TargetCase{"OnlyOne",
                                 {kEnglish, kRussian},
                                 kHebrew,
                                 {},
                                 "russian",
                                 "🎯 DetermineTarget: only one target → Russian"},
                      TargetCase{"Active",
                                 {kEnglish, kHebrew, kRussian},
                                 kRussian,
                                 {},
                                 "russian",
                                 "🎯 DetermineTarget: active keyboard matches → Russian"},
                      TargetCase{"ActiveIsTheSource",
                                 {kEnglish, kHebrew, kRussian},
                                 kEnglish,
                                 {},
                                 "hebrew",
                                 "🎯 DetermineTarget: fallback to first target → Hebrew"},
                      TargetCase{
                          "NoActive",
                          {kEnglish, kHebrew, kRussian},
                          {},
                          {},
                          "hebrew",
                          "🎯 DetermineTarget: 2 possible targets: [\"Hebrew\", \"Russian\"], "
                          "activeLayout=nil, preferred=nil"}),
    [](const auto& testInfo) { return testInfo.param.name; });

TEST(TargetRules, NothingLeftAfterTheSource) {
    const LogCapture log;
    EXPECT_FALSE(
        LayoutConverter().determineTarget(mapping(kEnglish), mappings({kEnglish}), {}, {}));
    EXPECT_TRUE(log.contains("🎯 DetermineTarget: no targets after removing source 'English'"));
}

TEST(Capitalization, UppercasesSentenceStarts) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"hello. world! yes? no", "Hello. World! Yes? No"},
        {"123 abc", "123 Abc"},  // non-letters keep the flag
        {"...wait", "...Wait"},
        {"a,b.c", "A,b.C"},
        {"straße. ß", "Straße. SS"},  // full case mapping
        {"ǆ", "Ǆ"},
        {"", ""},
        {"é\u0301x", "É\u0301x"},  // the whole cluster is upper-cased
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(LayoutConverter::capitalizeSentences(text), expected) << text;
    }
}

TEST(Mapping, QuoteFoldingTable) {
    for (const char32_t c : {0x05F3, 0x2019, 0x2018}) {
        EXPECT_EQ(LayoutConverter::foldQuote(c), U'\'');
    }
    for (const char32_t c : {0x05F4, 0x201C, 0x201D, 0x00AB, 0x00BB}) {
        EXPECT_EQ(LayoutConverter::foldQuote(c), U'"');
    }
    EXPECT_EQ(LayoutConverter::foldQuote(U'x'), U'x');
    // Folded characters convert as the key they fold to; others stay as they were.
    EXPECT_EQ(LayoutConverter().mapCharacters("«a»", mapping(kEnglish), mapping(kRussian)), "ЭфЭ");
}

// Characters made of several code points that no key types as a whole convert piece by piece.
TEST(Mapping, ClustersConvertCodePointByCodePoint) {
    const LayoutConverter converter;
    const auto hindi = mapping("xkb.in.Hindi");
    const auto english = mapping(kEnglish);
    // न म स्ते: the conjunct "स्ते" is one character, typed as four keys.
    EXPECT_EQ(converter.mapCharacters("नमस्ते", hindi, english), "vcmdls");
    const auto result = converter.convert("नमस्ते", {kEnglish, "xkb.in.Hindi"}, {}, {});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->convertedText, "Vcmdls");
    EXPECT_EQ(result->fromLayoutID, "hindi");
    // And the other way round.
    EXPECT_EQ(converter.mapCharacters("vcmdls", english, hindi), "नमस्ते");
    // A cluster with a code point the source does not type stays whole.
    EXPECT_EQ(converter.mapCharacters("त\u0301", hindi, english), "त\u0301");
    // Decomposed input is compared canonically: e + acute is the French "é" key.
    EXPECT_EQ(converter.mapCharacters("e\u0301", mapping("xkb.fr.French"), english), "2");
}

// A word typed on a key that gives a mark attaches the mark to the space before it; the space
// stays and the mark converts.
TEST(Mapping, MarksAfterWhitespaceConvert) {
    const LayoutConverter converter;
    const auto result = converter.convert("ो ूाेू िदी बदह", {kEnglish, "xkb.in.Hindi"}, {}, {});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->convertedText, "A test for you");
    EXPECT_EQ(converter.mapCharacters("a\r\n\u093F", mapping(kEnglish), mapping(kEnglish)),
              "a\r\n\u093F");
}

// Keys whose whole text is the character win over keys that type it as part of a longer text.
TEST(Mapping, WholeKeysWinOverPartsOfLongerTexts) {
    const LayoutConverter converter;
    const auto english = mapping(kEnglish);
    const std::string myanmar = converter.mapCharacters("are", english, mapping("xkb.mm.Myanmar"));
    EXPECT_EQ(converter.mapCharacters(myanmar, mapping("xkb.mm.Myanmar"), english), "are");
    EXPECT_EQ(converter.mapCharacters("أ", mapping("xkb.ara.Arabic"), english), "H");
}

TEST(Mapping, PiecewiseClustersCountForDetection) {
    const LogCapture log;
    const auto source =
        LayoutConverter().detectSource("नमस्ते", mappings({kEnglish, "xkb.in.Hindi"}));
    ASSERT_TRUE(source);
    EXPECT_EQ(source->id(), "hindi");
    EXPECT_TRUE(log.contains("   Hindi: 3/3 = 100.0%"));
}

TEST(Korean, ComposesSyllablesWhenKoreanIsMeant) {
    const LayoutConverter converter;
    const Layouts layouts = {kEnglish, "com.apple.inputmethod.Korean.2SetKorean"};
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"dkssud", "안녕"},
        {"dkssudgktpdy.", "안녕하세요."},
        {"rhkwk", "과자"},  // compound vowel
        {"ekfr", "닭"},     // compound final
        {"ekfrdl", "닭이"},
        {"ekfrk", "달가"},        // the second half of a compound final moves on
        {"dkf dkdl", "알 아이"},  // a space ends the run
        {"Rk", "까"},             // double consonant on Shift
        {"rrr", "ㄱㄱㄱ"},        // consonants alone stay loose
        {"hk", "ㅘ"},             // a vowel alone, compounded
        {"dkEk", "아따"},         // ㄸ cannot be a final
    };
    for (const auto& [text, expected] : cases) {
        const auto result = converter.convert(text, layouts, {}, {});
        ASSERT_TRUE(result) << text;
        EXPECT_EQ(result->convertedText, expected) << text;
    }
}

TEST(Korean, SyllablesAreTypedByTheirJamoKeys) {
    const LayoutConverter converter;
    const auto korean = mapping("com.apple.inputmethod.Korean.2SetKorean");
    const auto english = mapping(kEnglish);
    EXPECT_EQ(converter.mapCharacters("안녕", korean, english), "dkssud");
    EXPECT_EQ(converter.mapCharacters("과자 닭 ㅘ", korean, english), "rhkwk ekfr hk");
    const auto result = converter.convert("안녕", {kEnglish, korean.layoutPatterns()[0]}, {}, {});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->fromLayoutID, "korean");
    // English is case-sensitive and Korean is not, so the sentence gets its capital.
    EXPECT_EQ(result->convertedText, "Dkssud");
}

TEST(Convert, LogsTheWholeStory) {
    const LogCapture log;
    ASSERT_TRUE(LayoutConverter().convert("ghbdtn", {kEnglish, kRussian}, {}, {}));
    const auto lines = log.lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(),
              "convert() called - text='ghbdtn' (6 chars), layouts=[\"com.apple.keylayout.US\", "
              "\"com.apple.keylayout.Russian\"], active=nil, preferred=nil");
    EXPECT_TRUE(log.contains("Candidates: [\"English\", \"Russian\"]"));
    EXPECT_TRUE(log.contains("  Score English: 6/6 = 100.0%"));
    EXPECT_TRUE(log.contains("  Score Russian: 0/6 = 0.0%"));
    EXPECT_TRUE(log.contains("OK: English → Russian"));
}

TEST(Convert, LogsFailures) {
    {
        const LogCapture log;
        EXPECT_FALSE(
            LayoutConverter().convert("abc", {kEnglish, "com.apple.keylayout.British"}, {}, {}));
        EXPECT_TRUE(
            log.contains("FAIL: Need ≥2 recognized keyboards, got 1. Layouts: "
                         "[\"com.apple.keylayout.US\", \"com.apple.keylayout.British\"]"));
    }
    {
        const LogCapture log;
        EXPECT_FALSE(LayoutConverter().convert("   ", {kEnglish, kRussian}, {}, {}));
        EXPECT_TRUE(log.contains("  Score English: 0/0 = 0.0%"));
        EXPECT_TRUE(log.contains("FAIL: Could not detect source - no candidate scored >50%"));
    }
}

// The user's text is marked in the log so that the application can withhold it.
TEST(Convert, MarksTheUsersTextInItsLog) {
    const LogCapture log;
    const std::string text(60, 'a');
    LayoutConverter().convert(text, {kEnglish, kRussian}, {}, {});
    ASSERT_FALSE(log.lines().empty());
    EXPECT_EQ(log.lines(false).front().substr(0, 42), "convert() called - text='<50 chars>' (60 c");
    EXPECT_NE(log.lines(true).front().find(std::string(50, 'a') + "'"), std::string::npos);
}

}  // namespace
}  // namespace korrelang::engine
