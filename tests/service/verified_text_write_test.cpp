#include "service/verified_text_write.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/fake/fake_text_element.h"

namespace korrelang::service {
namespace {

using platform::TextRange;
using platform::fake::FakeTextElement;
using Result = VerifiedTextWrite::Result;
using platform::AccessCode;

TEST(VerifiedTextWrite, WritesOnlyWhatReadsBackAndOtherwisePutsTheOriginalBack) {
    struct Case {
        const char* name;
        std::function<void(FakeTextElement&)> arrange;
        std::string text;
        TextRange range;
        std::string expected;  // what the range must still read
        Result result;
        std::string after;
        int inserts, deletes;
        // Writes given a text that was not the field's: only where the application did not do
        // what was asked.
        int staleGiven = 0;
    };
    const std::vector<Case> cases = {
        {"plain",
         [](auto&) {},
         "ghbdtn world",
         {0, 6},
         "ghbdtn",
         Result::written,
         "привет world",
         1,
         1},
        {"after an emoji",
         [](auto&) {},
         "😀 ghbdtn",
         {2, 6},
         "ghbdtn",
         Result::written,
         "😀 привет",
         1,
         1},
        // Insert-first truncates silently; undone, then delete-first fits.
        {"length limit",
         [](auto& e) { e.maxLength = 12; },
         "ghbdtn world",
         {0, 6},
         "ghbdtn",
         Result::written,
         "привет world",
         3,
         2,
         1},
        {"answers yes, changes nothing",
         [](auto& e) { e.ignoresWrites = true; },
         "ghbdtn",
         {0, 6},
         "ghbdtn",
         Result::ignored,
         "ghbdtn",
         1,
         1,
         1},
        // Unchanged, but a call said no: the element did not claim to take the write.
        {"changes nothing, delete refused",
         [](auto& e) {
             e.ignoresWrites = true;
             e.deleteCode = AccessCode::failure;
         },
         "ghbdtn",
         {0, 6},
         "ghbdtn",
         Result::notWritten,
         "ghbdtn",
         1,
         0,
         1},
        // A refused insert is not followed by a delete.
        {"insert refused",
         [](auto& e) { e.insertCode = AccessCode::failure; },
         "ghbdtn",
         {0, 6},
         "ghbdtn",
         Result::notWritten,
         "ghbdtn",
         0,
         0},
        {"changed since it was read",
         [](auto&) {},
         "ghbdtn!",
         {1, 6},
         "ghbdtn",
         Result::notWritten,
         "ghbdtn!",
         0,
         0},
        // The insert lands, the delete is refused and so is every way back.
        {"cannot be put back",
         [](auto& e) { e.deleteCode = AccessCode::failure; },
         "ghbdtn",
         {0, 6},
         "ghbdtn",
         Result::damaged,
         "ghbdtnпривет",
         1,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeTextElement element;
        element.text = c.text;
        c.arrange(element);
        // The caret goes after the new text only once the text reads as intended.
        const TextRange caret{c.range.location + 6, 0};
        EXPECT_EQ(VerifiedTextWrite::replace(element, c.range, c.expected, "привет",
                                             VerifiedTextWrite::Selections{{0, 0}, caret}),
                  c.result);
        EXPECT_EQ(element.text, c.after);
        EXPECT_EQ(element.rangesSet, c.result == Result::written ? std::vector<TextRange>{caret}
                                                                 : std::vector<TextRange>{});
        EXPECT_EQ(element.staleGivenTexts, c.staleGiven);
        EXPECT_EQ(element.inserts, c.inserts);
        EXPECT_EQ(element.deletes, c.deletes);
    }
}

// A back end that sends the selection with the edits has moved it before anything was read
// back: where the text did not come out as intended, the selection goes back where it was.
TEST(VerifiedTextWrite, ASelectionSentWithTheEditsGoesBackWhenTheWriteFails) {
    struct Case {
        const char* name;
        std::function<void(FakeTextElement&)> arrange;
        Result result;
        std::string after;
        std::vector<TextRange> rangesSet;
    };
    const TextRange selected{4, 6};
    const TextRange newText{4, 6};
    const std::vector<Case> cases = {
        {"taken", [](auto&) {}, Result::written, "one привет", {newText}},
        {"answers yes, changes nothing",
         [](auto& e) { e.ignoresWrites = true; },
         Result::ignored,
         "one ghbdtn",
         {newText, selected}},
        // A length limit cuts the insert; deleting first then fits.
        {"length limit",
         [](auto& e) { e.maxLength = 10; },
         Result::written,
         "one привет",
         {newText, selected, newText}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeTextElement element;
        element.text = "one ghbdtn";
        element.selection = selected;
        c.arrange(element);
        EXPECT_EQ(
            VerifiedTextWrite::replace(element, selected, "ghbdtn", "привет",
                                       VerifiedTextWrite::Selections{selected, newText}, true),
            c.result);
        EXPECT_EQ(element.text, c.after);
        EXPECT_EQ(element.rangesSet, c.rangesSet);
    }
}

TEST(VerifiedTextWrite, PuttingBackRewritesOnlyWhatDiffers) {
    struct Case {
        std::string original, current;
        TextRange rewritten;
        std::string part;
    };
    const std::vector<Case> cases = {
        {"ghbdtn world", "привет", {0, 6}, "ghbdtn world"},
        {"ghbdtn world", "привет world", {0, 6}, "ghbdtn"},
        {"one ghbdtn two", "one приветghbdtn two", {4, 6}, ""},
        {"a\r\nb", "a\r\nbc", {3, 1}, ""},
        {"e\u0301x", "e\u0301y", {1, 1}, "x"},
        {"same", "same", {4, 0}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.original + " / " + c.current);
        const auto diff = VerifiedTextWrite::difference(c.original, c.current);
        EXPECT_EQ(diff.inCurrent, c.rewritten);
        EXPECT_EQ(diff.originalPart, c.part);
        FakeTextElement element;
        element.text = c.current;
        const bool restored = VerifiedTextWrite::restore(element, c.original, c.current);
        EXPECT_EQ(restored, element.text == c.original);
        // The fake counts code points, which these texts' characters are, except "é" and
        // CR LF: check those through the diff alone.
        if (c.original.find('\r') == std::string::npos &&
            c.original.find("\u0301") == std::string::npos) {
            EXPECT_EQ(element.text, c.original);
        }
    }
}

}  // namespace
}  // namespace korrelang::service
