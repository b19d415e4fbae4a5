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
        std::string written = "(untouched)";
        EXPECT_EQ(VerifiedTextWrite::replace(element, c.range, c.expected, "привет", &written),
                  c.result);
        EXPECT_EQ(element.text, c.after);
        EXPECT_EQ(written, c.result == Result::written ? c.after : "(untouched)");
        EXPECT_EQ(element.staleGivenTexts, c.staleGiven);
        EXPECT_EQ(element.inserts, c.inserts);
        EXPECT_EQ(element.deletes, c.deletes);
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
