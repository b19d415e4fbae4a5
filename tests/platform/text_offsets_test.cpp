#include "platform/atspi/text_offsets.h"

#include <gtest/gtest.h>

#include "platform/atspi/atspi_text_element.h"

namespace korrelang::platform::atspi {
namespace {

// Each case: a text, and the toolkit offset of every character boundary in code points and in
// UTF-16 units.
struct Case {
    const char* name;
    const char* text;
    std::vector<long> codePoints;
    std::vector<long> utf16;
};

const Case kCases[] = {
    {"ascii", "ab", {0, 1, 2}, {0, 1, 2}},
    {"cyrillic", "при", {0, 1, 2, 3}, {0, 1, 2, 3}},
    {"emoji beyond the BMP", "a😀b", {0, 1, 2, 3}, {0, 1, 3, 4}},
    {"family emoji of seven code points", "👨‍👩‍👧x", {0, 5, 6}, {0, 8, 9}},
    {"decomposed accent", "e\u0301t", {0, 2, 3}, {0, 2, 3}},
    {"Devanagari cluster", "क्षa", {0, 3, 4}, {0, 3, 4}},
    {"object replacement character", "a\uFFFCb", {0, 1, 2, 3}, {0, 1, 2, 3}},
    {"CR LF is one character", "a\r\nb", {0, 1, 3, 4}, {0, 1, 3, 4}},
    {"empty", "", {0}, {0}},
};

TEST(TextOffsets, BoundariesInEachUnit) {
    for (const Case& c : kCases) {
        for (const auto& [unit, expected] : {std::pair{OffsetUnit::codePoint, c.codePoints},
                                             std::pair{OffsetUnit::utf16, c.utf16}}) {
            const TextOffsets offsets(c.text, unit);
            ASSERT_EQ(offsets.characterCount(), static_cast<long>(expected.size()) - 1) << c.name;
            EXPECT_EQ(offsets.toolkitLength(), expected.back()) << c.name;
            EXPECT_EQ(TextOffsets::lengthIn(c.text, unit), expected.back()) << c.name;
            for (std::size_t i = 0; i < expected.size(); ++i) {
                const long character = static_cast<long>(i);
                EXPECT_EQ(offsets.toToolkit(character), expected[i]) << c.name << " at " << i;
                EXPECT_EQ(offsets.characterAtOrBefore(expected[i]), character) << c.name;
                EXPECT_EQ(offsets.characterAtOrAfter(expected[i]), character) << c.name;
            }
        }
    }
}

TEST(TextOffsets, OffsetsInsideACharacterNeverSplitIt) {
    const TextOffsets offsets("a😀b", OffsetUnit::utf16);  // 😀 spans units 1..3
    EXPECT_EQ(offsets.characterAtOrBefore(2), 1);
    EXPECT_EQ(offsets.characterAtOrAfter(2), 2);
    EXPECT_EQ(offsets.slice(offsets.characterAtOrBefore(2), offsets.characterAtOrAfter(2)), "😀");
}

TEST(TextOffsets, EverythingIsClampedToTheText) {
    const TextOffsets offsets("abc", OffsetUnit::codePoint);
    EXPECT_EQ(offsets.toToolkit(-4), 0);
    EXPECT_EQ(offsets.toToolkit(99), 3);
    EXPECT_EQ(offsets.characterAtOrBefore(-1), 0);
    EXPECT_EQ(offsets.characterAtOrAfter(99), 3);
    EXPECT_EQ(offsets.slice(1, 99), "bc");
    EXPECT_EQ(offsets.slice(2, 1), "");
    EXPECT_EQ(offsets.slice(-5, 1), "a");
}

// The unit an element counts in, from its character count against its text: whatever its
// toolkit is called (LibreOffice and Java count UTF-16 units without being named Qt).
TEST(TextOffsets, AnElementsUnitComesFromItsCountAndItsText) {
    struct UnitCase {
        const char* text;
        long count;
        OffsetUnit unit;
    };
    const UnitCase cases[] = {
        {"ghbdtn", 6, OffsetUnit::codePoint},
        {"😀 ghbdtn", 8, OffsetUnit::codePoint},
        {"😀 ghbdtn", 9, OffsetUnit::utf16},
        {"👍🏽 end", 6, OffsetUnit::codePoint},
        {"👍🏽 end", 8, OffsetUnit::utf16},
        {"", 0, OffsetUnit::codePoint},
        // A count that fits neither: code points, and the write is checked by reading back.
        {"😀", 7, OffsetUnit::codePoint},
    };
    for (const UnitCase& c : cases) {
        EXPECT_EQ(AtspiTextElement::unitOf(c.text, c.count), c.unit) << c.text << " " << c.count;
    }
}

}  // namespace
}  // namespace korrelang::platform::atspi
