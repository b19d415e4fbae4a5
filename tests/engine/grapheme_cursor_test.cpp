#include "engine/grapheme_cursor.h"

#include <gtest/gtest.h>
#include <unicode/brkiter.h>
#include <unicode/unistr.h>

#include <random>

#include "engine/unicode.h"

namespace korrelang::engine {
namespace {

std::vector<std::string> viaCursor(std::string_view text) {
    std::vector<std::string> clusters;
    GraphemeCursor cursor(text);
    std::string_view cluster;
    while (cursor.next(cluster)) {
        clusters.emplace_back(cluster);
    }
    return clusters;
}

// ICU's character break iterator over the whole text, with no shortcuts.
std::vector<std::string> viaIcu(const std::string& text) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> iterator(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    const icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(text);
    iterator->setText(unicode);
    std::vector<std::string> clusters;
    int32_t start = iterator->first();
    for (int32_t end = iterator->next(); end != icu::BreakIterator::DONE;
         start = end, end = iterator->next()) {
        std::string cluster;
        unicode.tempSubStringBetween(start, end).toUTF8String(cluster);
        clusters.push_back(cluster);
    }
    return clusters;
}

TEST(GraphemeCursor, SplitsUserPerceivedCharacters) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"", {}},
        {"ab", {"a", "b"}},
        {"\r\n\n\r", {"\r\n", "\n", "\r"}},
        {"e\u0301x", {"e\u0301", "x"}},
        {"नमस्ते", {"न", "म", "स्ते"}},  // a conjunct is one character
        {"👩\u200D💻!", {"👩\u200D💻", "!"}},
        {"🇺🇦🇩🇪", {"🇺🇦", "🇩🇪"}},
        {"\u1100\u1161\u11A8가", {"\u1100\u1161\u11A8", "가"}},
        {"ئ\u200Dا", {"ئ\u200D", "ا"}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(viaCursor(text), expected) << text;
    }
}

// The shortcuts for simple code points must never disagree with ICU.
TEST(GraphemeCursor, AgreesWithIcuOnRandomText) {
    const std::vector<char32_t> pool = {
        'a',    'Z',    ' ',     '\r',    '\n',    '\t',    0x0301, 0x0308, 0x200D,  0x200C,
        0x0915, 0x094D, 0x093F,  0x0947,  0x0E01,  0x0E31,  0x0E33, 0x1100, 0x1161,  0x11A8,
        0xAC00, 0xAC01, 0x1F1FA, 0x1F1E6, 0x1F469, 0x1F3FB, 0x2764, 0xFE0F, 0x0600,  0x0644,
        0x0627, 0x05D0, 0x05B8,  0x0418,  0x0439,  0x00E9,  0x0F40, 0x0F84, 0x1000,  0x103B,
        0x0D9A, 0x0DCA, 0x0085,  0x2028,  0x0000,  0x007F,  0x00AD, 0x034F, 0x1F1E9, 0x0E40,
    };
    std::mt19937 random(20261206);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i) {
            unicode::appendCodePoint(text, pool[random() % pool.size()]);
        }
        ASSERT_EQ(viaCursor(text), viaIcu(text)) << ::testing::PrintToString(text);
    }
}

TEST(GraphemeCursor, CountsAndTakesPrefixes) {
    EXPECT_EQ(GraphemeCursor::count("e\u0301\r\nab"), 4u);
    EXPECT_EQ(GraphemeCursor::prefix("e\u0301\r\nab", 2), "e\u0301\r\n");
    EXPECT_EQ(GraphemeCursor::prefix("ab", 5), "ab");
    EXPECT_EQ(GraphemeCursor::prefix("ab", 0), "");
}

TEST(GraphemeCursor, InterleavedCursorsDoNotDisturbEachOther) {
    const std::string first = "ते\u0301ते";
    const std::string second = "👩\u200D💻👩\u200D💻";
    GraphemeCursor a(first);
    GraphemeCursor b(second);
    std::string_view cluster;
    std::vector<std::string> fromA, fromB;
    for (int i = 0; i < 3; ++i) {
        if (a.next(cluster))
            fromA.emplace_back(cluster);
        if (b.next(cluster))
            fromB.emplace_back(cluster);
    }
    EXPECT_EQ(fromA, (std::vector<std::string>{"ते\u0301", "ते"}));
    EXPECT_EQ(fromB, (std::vector<std::string>{"👩\u200D💻", "👩\u200D💻"}));
}

TEST(Unicode, NormalisesToNfc) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a", "a"},
        {"e\u0301", "\u00e9"},
        {"\u00e9", "\u00e9"},
        {"\u0e01\u0e48\u0e38", "\u0e01\u0e38\u0e48"},  // marks put in canonical order
        {"\u0e01\u0e38\u0e48", "\u0e01\u0e38\u0e48"},
        {"\u0958", "\u0915\u093c"},                     // excluded from composition
        {"\u212b", "\u00c5"},                            // a singleton
        {"\u1100\u1161", "\uac00"},                      // conjoining jamo compose
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(unicode::toNFC(text), expected) << ::testing::PrintToString(text);
    }
}

TEST(Unicode, ValidatesUtf8) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"", true},
        {"abc", true},
        {"привет", true},
        {"\xff", false},
        {"\xc0\xaf", false},
        {"\xed\xa0\x80", false},      // surrogate
        {"\xf4\x90\x80\x80", false},  // past U+10FFFF
        {"\xe2\x82", false},
        {"\xf0\x9f\x98\x80", true},
    };
    for (const auto& [text, valid] : cases) {
        EXPECT_EQ(unicode::isValidUtf8(text), valid) << ::testing::PrintToString(text);
    }
}

}  // namespace
}  // namespace korrelang::engine
