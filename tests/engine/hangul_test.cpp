#include "engine/hangul.h"

#include <gtest/gtest.h>

#include "engine/unicode.h"

namespace korrelang::engine {
namespace {

std::string compose(const std::u32string& jamo) {
    std::string out;
    {
        HangulComposer composer(out);
        for (const char32_t j : jamo) {
            composer.push(j);
        }
    }
    return out;
}

TEST(Hangul, ComposesTypedJamo) {
    const std::vector<std::pair<std::u32string, std::string>> cases = {
        {U"ㅇㅏㄴㄴㅕㅇ", "안녕"}, {U"ㄱㅗㅏ", "과"},   {U"ㄷㅏㄹㄱ", "닭"},
        {U"ㄷㅏㄹㄱㅏ", "달가"},   {U"ㅂㅏㅂㅅ", "밦"}, {U"ㅂㅏㅂㅅㅣ", "밥시"},
        {U"ㄱㅏㄱㅏ", "가가"},     {U"ㅏㅏ", "ㅏㅏ"},   {U"ㅡㅣ", "ㅢ"},
        {U"ㅎㅡㅣ", "희"},         {U"ㄱ", "ㄱ"},       {U"ㄱㄴ", "ㄱㄴ"},
        {U"ㅃㅏㅃ", "빠ㅃ"},       {U"ㅆㅏㅆ", "쌌"},   {U"ㄳ", "ㄳ"},
    };
    for (const auto& [jamo, expected] : cases) {
        EXPECT_EQ(compose(jamo), expected);
    }
}

TEST(Hangul, SplitsSyllablesIntoKeyJamo) {
    const std::vector<std::pair<char32_t, std::u32string>> cases = {
        {U'안', U"ㅇㅏㄴ"}, {U'과', U"ㄱㅗㅏ"},  {U'닭', U"ㄷㅏㄹㄱ"}, {U'쌌', U"ㅆㅏㅆ"},
        {U'ㅘ', U"ㅗㅏ"},   {U'ㄳ', U"ㄱㅅ"},    {U'ㄱ', U""},         {U'a', U""},
        {0xAC00, U"ㄱㅏ"},  {0xD7A3, U"ㅎㅣㅎ"},
    };
    for (const auto& [syllable, keys] : cases) {
        const auto jamo = Hangul::keyJamo(syllable);
        EXPECT_EQ(std::u32string(jamo.begin(), jamo.end()), keys);
    }
}

// Every syllable splits into keys that compose back into that very syllable.
TEST(Hangul, EverySyllableRoundTrips) {
    for (char32_t syllable = 0xAC00; syllable <= 0xD7A3; ++syllable) {
        const auto keys = Hangul::keyJamo(syllable);
        std::string expected;
        unicode::appendCodePoint(expected, syllable);
        ASSERT_EQ(compose(std::u32string(keys.begin(), keys.end())), expected)
            << std::hex << static_cast<unsigned>(syllable);
    }
}

}  // namespace
}  // namespace korrelang::engine
