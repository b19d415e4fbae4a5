#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "engine/grapheme_cursor.h"
#include "engine/key_code.h"
#include "engine/keyboard_mapping_registry.h"
#include "engine/unicode.h"

namespace korrelang::engine {
namespace {

const KeyboardMappingRegistry& registry() {
    return KeyboardMappingRegistry::shared();
}

const KeyboardMapping& layout(const std::string& id) {
    for (const auto& mapping : registry().all()) {
        if (mapping.id() == id) {
            return mapping;
        }
    }
    throw std::runtime_error("no layout " + id);
}

TEST(Catalogue, HoldsTheFiftySixLayoutsInOrder) {
    const std::vector<std::string> expected = {
        "english",    "hebrew",     "russian",        "arabic",
        "ukrainian",  "greek",      "hindi",          "korean",
        "persian",    "thai",       "bulgarian",      "serbian",
        "macedonian", "belarusian", "kazakh",         "mongolian",
        "uzbek",      "georgian",   "armenian",       "urdu",
        "pashto",     "uyghur",     "kurdish-sorani", "kurdish-kurmanji",
        "bengali",    "tamil",      "telugu",         "kannada",
        "malayalam",  "gujarati",   "punjabi",        "nepali",
        "myanmar",    "khmer",      "sinhala",        "tibetan",
        "spanish",    "portuguese", "italian",        "czech",
        "slovak",     "hungarian",  "croatian",       "romanian",
        "swedish",    "danish",     "norwegian",      "finnish",
        "icelandic",  "lithuanian", "azerbaijani",    "french",
        "german",     "dvorak",     "colemak",        "turkish"};
    std::vector<std::string> ids;
    for (const auto& mapping : registry().all()) {
        ids.push_back(mapping.id());
    }
    EXPECT_EQ(ids, expected);
}

TEST(Catalogue, RecordsNamesDirectionCaseAndPatterns) {
    struct Row {
        std::string id, displayName;
        bool rtl, cased;
        std::vector<std::string> patterns;
    };
    const std::vector<Row> rows = {
        {"english", "English", false, true, {"us",         "abc",      "english",   "british",
                                             "australian", "canadian", "dutch",     "polish",
                                             "latvian",    "estonian", "slovenian", "vietnamese",
                                             "indonesian", "malay",    "filipino",  "tagalog",
                                             "swahili",    "irish",    "welsh",     "hawaiian"}},
        {"hebrew", "Hebrew", true, false, {"hebrew", "he-", ".he"}},
        {"korean", "Korean", false, false, {"korean", "hangul", "ko-", ".ko", "2-set"}},
        {"persian", "Persian", true, false, {"persian", "farsi", "fa-", ".fa", "dari", "afghan"}},
        {"kurdish-sorani", "Kurdish (Sorani)", true, false, {"kurdish-sorani", "sorani"}},
        {"kurdish-kurmanji",
         "Kurdish (Kurmanji)",
         false,
         true,
         {"kurdish-kurmanji", "kurmanji", "kurdish"}},
        {"punjabi", "Punjabi", false, false, {"gurmukhi", "punjabi", "pa-", ".pa"}},
        {"croatian", "Croatian", false, true, {"croatian", "bosnian", "serbian-latin"}},
        {"norwegian", "Norwegian", false, true, {"norwegian", "sami"}},
        {"turkish", "Turkish", false, true, {"turkish"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        const KeyboardMapping& mapping = layout(row.id);
        EXPECT_EQ(mapping.displayName(), row.displayName);
        EXPECT_EQ(mapping.isRTL(), row.rtl);
        EXPECT_EQ(mapping.isCaseSensitive(), row.cased);
        EXPECT_EQ(mapping.layoutPatterns(), row.patterns);
    }
}

TEST(Catalogue, EveryTableCoversTheSameFortySevenKeysInRowOrder) {
    for (const auto& mapping : registry().all()) {
        SCOPED_TRACE(mapping.id());
        ASSERT_EQ(mapping.keyMap().size(), kCharacterKeys.size());
        for (std::size_t i = 0; i < kCharacterKeys.size(); ++i) {
            EXPECT_EQ(mapping.keyMap()[i].keyCode, kCharacterKeys[i]);
            EXPECT_NE(mapping.keyTexts(kCharacterKeys[i]), nullptr);
        }
        EXPECT_EQ(mapping.keyTexts(KEY_SPACE), nullptr) << "the space bar is in no table";
    }
}

TEST(Catalogue, SpotChecksOfTheTables) {
    struct Key {
        std::string layout;
        KeyCode keyCode;
        std::string normal, shifted;
    };
    const std::vector<Key> keys = {
        {"english", KEY_GRAVE, "`", "~"},
        {"english", KEY_BACKSLASH, "\\", "|"},
        {"russian", KEY_Q, "й", "Й"},
        {"russian", KEY_GRAVE, "]", "["},
        {"hebrew", KEY_9, "9", ")"},  // shifted 9 and 0 are reversed
        {"hebrew", KEY_0, "0", "("},
        {"arabic", KEY_B, "لا", "لآ"},          // a key that types two
                                                // characters
        {"arabic", KEY_GRAVE, "ذ", "\u0651"},   // a combining mark alone
        {"uyghur", KEY_SLASH, "ئ\u200D", "؟"},  // a letter with a zero-width joiner
        {"uyghur", KEY_Q, "چ", "ﭺ"},
        {"uyghur", KEY_W, "ۋ", ""},             // the key types nothing with
                                                // Shift
        {"tibetan", KEY_APOSTROPHE, " ", " "},  // a key that types a space
        {"korean", KEY_R, "ㄱ", "ㄲ"},
        {"bengali", KEY_Z, "", ""},
    };
    for (const Key& key : keys) {
        SCOPED_TRACE(key.layout + " key " + std::to_string(key.keyCode));
        const KeyTexts* texts = layout(key.layout).keyTexts(key.keyCode);
        ASSERT_NE(texts, nullptr);
        EXPECT_EQ(texts->normal, key.normal);
        EXPECT_EQ(texts->shifted, key.shifted);
    }
}

TEST(Catalogue, FinnishHasSwedishTableUnderItsOwnId) {
    EXPECT_EQ(layout("finnish").keyMap(), layout("swedish").keyMap());
    EXPECT_NE(layout("finnish").id(), layout("swedish").id());
}

// The derived indexes follow from the key table alone: single-character texts before longer
// ones, then keys in table order, unshifted before shifted; first claim wins; whitespace is never
// indexed.
TEST(Catalogue, DerivedIndexesFollowFromTheKeyTable) {
    for (const auto& mapping : registry().all()) {
        SCOPED_TRACE(mapping.id());
        std::map<std::string, KeyPosition> expected;
        for (const bool singles : {true, false}) {
            for (const auto& entry : mapping.keyMap()) {
                for (const bool shifted : {false, true}) {
                    const std::string& text = shifted ? entry.texts.shifted : entry.texts.normal;
                    if ((GraphemeCursor::count(text) == 1) != singles) {
                        continue;
                    }
                    GraphemeCursor cursor(text);
                    std::string_view character;
                    while (cursor.next(character)) {
                        if (!unicode::isWhitespace(unicode::firstCodePoint(character))) {
                            expected.emplace(unicode::toNFC(character),
                                             KeyPosition{entry.keyCode, shifted});
                        }
                    }
                }
            }
        }
        EXPECT_EQ(mapping.charToKey().size(), expected.size());
        EXPECT_EQ(mapping.characterSet().size(), expected.size());
        for (const auto& [character, position] : expected) {
            const auto found = mapping.charToKey().find(character);
            ASSERT_NE(found, mapping.charToKey().end()) << character;
            EXPECT_EQ(found->second, position) << character;
            EXPECT_TRUE(mapping.characterSet().contains(character));
            EXPECT_FALSE(unicode::isWhitespace(unicode::firstCodePoint(character)));
            const auto number = mapping.characterIndex().find(character);
            EXPECT_EQ(mapping.keyForNumber(number), position) << character;
        }
    }
}

TEST(Catalogue, CharactersTypedByTwoKeysKeepTheFirstClaim) {
    struct Claim {
        std::string layout, character;
        KeyPosition position;
    };
    const std::vector<Claim> claims = {
        {"tibetan", "\u0F84", {KEY_F, false}},        // also on KEY_SEMICOLON
        {"arabic", "\\", {KEY_BACKSLASH, false}},     // also shifted on KEY_A
        {"arabic", "ل", {KEY_G, false}},              // also in the lam-alef keys KEY_G and KEY_B
        {"arabic", "ا", {KEY_H, false}},              // also on lam-alef key KEY_B
        {"hebrew", "ש", {KEY_A, false}},              // same character with and without Shift
        {"icelandic", "'", {KEY_RIGHTBRACE, false}},  // also shifted on KEY_APOSTROPHE
        {"kurdish-kurmanji", "*", {KEY_8, true}},     // KEY_8 comes before KEY_MINUS in row 1
    };
    for (const Claim& claim : claims) {
        SCOPED_TRACE(claim.layout + " " + claim.character);
        EXPECT_EQ(layout(claim.layout).keyFor(claim.character), claim.position);
    }
    EXPECT_FALSE(layout("tibetan").types(" "));
    EXPECT_FALSE(layout("tibetan").characterSet().contains(" "));
}

TEST(Catalogue, CharactersCompareCanonically) {
    // "é" typed as e + combining acute is the French key's precomposed "é".
    EXPECT_EQ(layout("french").keyFor("e\u0301"), layout("french").keyFor("é"));
    EXPECT_TRUE(layout("french").types("e\u0301"));
    EXPECT_FALSE(layout("english").types("e\u0301"));
}

}  // namespace
}  // namespace korrelang::engine
