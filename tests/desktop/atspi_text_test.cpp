#include <gtest/gtest.h>

#include <csignal>

#include "platform/x11/x11_workspace.h"
#include "platform/x11/xkb_input_sources.h"
#include "service/accessibility_service.h"
#include "service/verified_text_write.h"
#include "support/accessible_desktop.h"
#include "support/desktop_harness.h"

namespace korrelang::platform {
namespace {

using testing::Mousepad;
using testing::waitUntil;

class AtspiTextTest : public ::testing::Test, protected testing::AccessibleDesktop {
protected:
    x11::XkbInputSources inputSources{display};
    x11::X11Workspace workspace{display};
    service::AccessibilityService service{accessibility, inputSources, workspace};
};

TEST_F(AtspiTextTest, TrustFollowsTheSessionSwitch) {
    EXPECT_TRUE(accessibility.isTrusted());
}

TEST_F(AtspiTextTest, ReadsTheSelectionAndTheLineBeforeTheCaret) {
    Mousepad editor;
    ASSERT_TRUE(editor.isReady());
    editor.type("first line");
    editor.key("Return");
    editor.type("hello ghbdtn");
    ASSERT_TRUE(fieldShows("first line\nhello ghbdtn"));

    // A caret without a selection: no selected text, but the line up to the caret.
    EXPECT_EQ(service.getSelectedText(), std::nullopt);
    EXPECT_EQ(service.getTextFromLineStartToCursor(), (service::LineText{"hello ghbdtn", 11, 12}));

    editor.key("ctrl+a");
    ASSERT_TRUE(waitUntil([&] { return service.getSelectedText().has_value(); }));
    EXPECT_EQ(service.getSelectedText(), "first line\nhello ghbdtn");
    EXPECT_EQ(field()->selectedRange().value, (TextRange{0, 23}));
}

TEST_F(AtspiTextTest, ReplacesARangeAfterCharactersOfSeveralCodePoints) {
    struct Case {
        const char* before;  // text before the word, written through the field itself
        long location;       // where the word starts, in characters
    };
    const Case cases[] = {
        {"hello ", 6},
        {"привет ", 7},
        {"😀 ", 2},              // two UTF-16 units, one code point
        {"👍🏽 ", 2},       // two code points
        {"e\u0301\u0301 ", 2},  // a letter with two combining marks
        {"क्ष ", 2},             // an Indic conjunct of three code points
        {"a\r\nb ", 4},         // CR LF is one character
    };
    Mousepad editor;
    ASSERT_TRUE(editor.isReady());
    ASSERT_TRUE(waitUntil([&] { return field() != nullptr; }));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        editor.key("ctrl+a");
        editor.key("BackSpace");
        ASSERT_TRUE(fieldShows(""));
        const std::string original = std::string(c.before) + "ghbdtn end";
        ASSERT_EQ(field()->setSelectedText(original), AccessCode::success);
        ASSERT_TRUE(fieldShows(original));

        ASSERT_TRUE(service.replaceTextInRange(c.location, 6, "привет"));
        const std::string expected = std::string(c.before) + "привет end";
        EXPECT_TRUE(fieldShows(expected)) << *field()->value().value;
        // The caret follows the new text.
        EXPECT_EQ(field()->selectedRange().value, (TextRange{c.location + 6, 0}));

        // Back again with the edits, the selection and the read-back sent together; the new
        // text stays selected.
        const TextRange word{c.location, 6};
        EXPECT_EQ(service::VerifiedTextWrite::replace(
                      *field(), word, "привет", "ghbdtn",
                      service::VerifiedTextWrite::Selections{{c.location + 6, 0}, word}, true),
                  service::VerifiedTextWrite::Result::written);
        EXPECT_TRUE(fieldShows(original)) << *field()->value().value;
        EXPECT_EQ(field()->selectedRange().value, word);
    }
}

TEST_F(AtspiTextTest, ARangeBeyondTheTextIsRefusedAndNothingIsWritten) {
    Mousepad editor;
    ASSERT_TRUE(editor.isReady());
    editor.type("abc");
    ASSERT_TRUE(fieldShows("abc"));
    EXPECT_FALSE(service.replaceTextInRange(5, 1, "x"));
    EXPECT_TRUE(fieldShows("abc"));
    // A range that runs past the end is clamped to it.
    EXPECT_TRUE(service.replaceTextInRange(1, 10, "x"));
    EXPECT_TRUE(fieldShows("ax"));
}

TEST_F(AtspiTextTest, AHungApplicationTimesOutInsteadOfBlocking) {
    Mousepad editor;
    ASSERT_TRUE(editor.isReady());
    editor.type("ghbdtn");
    ASSERT_TRUE(fieldShows("ghbdtn"));
    const auto element = field();
    ASSERT_NE(element, nullptr);

    ASSERT_TRUE(testing::stopOutsideServerGrab(editor.pid()));
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(element->value().code, AccessCode::timedOut);
    const auto first = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started);
    std::printf("first read: %lld ms\n", static_cast<long long>(first.count()));
    // The application is now known to hang: the rest of the press fails at once.
    EXPECT_EQ(service.getSelectedText(), std::nullopt);
    EXPECT_EQ(service.getTextFromLineStartToCursor(), std::nullopt);
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started);
    ::kill(static_cast<pid_t>(editor.pid()), SIGCONT);
    std::printf("hung application: %lld ms for three reads\n",
                static_cast<long long>(elapsed.count()));
}

}  // namespace
}  // namespace korrelang::platform
