#include "service/accessibility_service.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "support/log_capture.h"

namespace korrelang::service {

void PrintTo(const LineText& line, std::ostream* out) {
    *out << "(\"" << line.text << "\", " << line.location << ", " << line.length << ")";
}

namespace {

namespace AccessCode = platform::AccessCode;
using platform::TextRange;

class AccessibilityServiceTest : public ::testing::Test {
protected:
    bool logged(const std::string& text) const { return log.contains(text, false); }

    const korrelang::testing::LogCapture log;

    platform::fake::FakePlatform fakes;
    platform::fake::FakeTextElement& field = *fakes.accessibility.element;
    AccessibilityService service{fakes.accessibility, fakes.inputSources, fakes.workspace};
};

TEST_F(AccessibilityServiceTest, LineBeforeCursor) {
    struct Case {
        const char* value;
        long cursor;
        LineText expected;
    };
    const Case cases[] = {
        {"ghbdtn", 6, {"ghbdtn", 0, 6}},
        {"first\nsecond", 9, {"sec", 6, 3}},
        {"first\n", 6, {"", 6, 0}},                     // caret right after a line feed
        {"a\r\nbc", 3, {"b", 2, 1}},                    // CR LF is one character that ends the line
        {"one\ntwo\nthree", 13, {"three", 8, 5}},       //
        {"short", 40, {"short", 0, 5}},                 // caret past the end is clamped
        {"x", -3, {"", 0, 0}},                          //
        {"e\u0301e\u0301\nабв", 5, {"аб", 3, 2}},       // decomposed accents count once
        {"😀\n👍🏽ok", 5, {"👍🏽ok", 2, 3}},  // emoji of several code points
        {"", 0, {"", 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AccessibilityService::lineBeforeCursor(c.value, c.cursor), c.expected)
            << c.value << " @" << c.cursor;
    }
}

TEST_F(AccessibilityServiceTest, LineTextComesFromTheCaretOfTheFocusedField) {
    field.text = "first\nsecond";
    field.selection = {9, 0};
    EXPECT_EQ(service.getTextFromLineStartToCursor(), (LineText{"sec", 6, 3}));

    field.selectedRangeCode = AccessCode::timedOut;
    EXPECT_EQ(service.getTextFromLineStartToCursor(), std::nullopt);
    field.selectedRangeCode = AccessCode::success;
    field.valueCode = AccessCode::unsupported;
    EXPECT_EQ(service.getTextFromLineStartToCursor(), std::nullopt);
    fakes.accessibility.element.reset();
    EXPECT_EQ(service.getTextFromLineStartToCursor(), std::nullopt);
}

TEST_F(AccessibilityServiceTest, SelectionNeedsSelectedTextAndIsNeverTheWholeValue) {
    field.text = "ghbdtn";
    field.selection = {6, 0};  // a caret only
    EXPECT_EQ(service.getSelectedTextViaAccessibility(), "");
    EXPECT_EQ(service.getSelectedText(), std::nullopt);
    EXPECT_TRUE(logged("📥 Selected text is empty string"));

    field.selectedTextCode = AccessCode::unsupported;  // the value is readable, the selection not
    EXPECT_EQ(service.getSelectedText(), std::nullopt);
    EXPECT_TRUE(logged("   ✅ Got text contents: <6 chars>"));

    field.selectedTextCode = AccessCode::success;
    field.selection = {0, 6};
    EXPECT_EQ(service.getSelectedText(), "ghbdtn");
}

TEST_F(AccessibilityServiceTest, UserTextIsMarkedInLogLinesAndNeverReachesTheSystemLog) {
    field.text = "secret";
    field.selection = {0, 6};
    ASSERT_EQ(service.getSelectedText(), "secret");
    EXPECT_TRUE(logged("📥 Returning selected text: '<6 chars>'"));
    EXPECT_TRUE(log.contains("📥 Returning selected text: 'secret'"));
    for (const auto& line : log.lines(false)) {
        EXPECT_EQ(line.find("secret"), std::string::npos) << line;
    }
    for (const auto& line : fakes.workspace.systemLogLines) {
        EXPECT_EQ(line.find("secret"), std::string::npos) << line;
    }
}

TEST_F(AccessibilityServiceTest, FocusFailuresAreLoggedWithTheirCodes) {
    fakes.accessibility.applicationCode = AccessCode::timedOut;
    EXPECT_EQ(service.getFocusedElement(), nullptr);
    EXPECT_TRUE(logged("      ❌ Failed to get focused app. Error: -4"));
    EXPECT_NE(
        std::find(fakes.workspace.systemLogLines.begin(), fakes.workspace.systemLogLines.end(),
                  "❌ Failed to get focused app. Error: -4"),
        fakes.workspace.systemLogLines.end());

    fakes.accessibility.applicationCode = AccessCode::success;
    fakes.accessibility.element.reset();  // success without an element
    EXPECT_EQ(service.getFocusedElement(), nullptr);
    EXPECT_TRUE(logged("      ❌ Failed to get focused element. Error: -3"));
}

TEST_F(AccessibilityServiceTest, ReplaceSelectsThenWrites) {
    field.text = "hello ghbdtn";
    EXPECT_TRUE(service.replaceTextInRange(6, 6, "привет"));
    EXPECT_EQ(field.text, "hello привет");
    EXPECT_EQ(field.rangesSet, (std::vector<TextRange>{{6, 6}}));
    EXPECT_EQ(field.selection, (TextRange{12, 0}));
}

TEST_F(AccessibilityServiceTest, ReplaceWritesNothingWhenTheRangeIsRefused) {
    field.text = "abc";
    field.setRangeCode = AccessCode::outOfRange;
    EXPECT_FALSE(service.replaceTextInRange(1, 1, "x"));
    EXPECT_TRUE(field.textsSet.empty());
    field.setRangeCode = AccessCode::success;
    EXPECT_FALSE(service.replaceTextInRange(-1, 1, "x"));
    EXPECT_FALSE(service.replaceTextInRange(0, -1, "x"));
    EXPECT_TRUE(field.textsSet.empty());
    field.setTextCode = AccessCode::failure;
    EXPECT_FALSE(service.replaceTextInRange(0, 1, "x"));
}

TEST_F(AccessibilityServiceTest, PermissionCheckAndRequest) {
    fakes.accessibility.trusted = false;
    EXPECT_FALSE(service.checkAccessibilityPermission());
    EXPECT_EQ(fakes.workspace.systemLogLines.back(), "🔐 Korrelang: Accessibility Check Result = 0");
    service.requestAccessibilityPermission();
    EXPECT_EQ(fakes.accessibility.trustRequests, 1);
    EXPECT_EQ(fakes.workspace.openedAddresses,
              std::vector<std::string>{"settings://accessibility"});

    fakes.accessibility.trustGrantedOnRequest = true;
    service.requestAccessibilityPermission();
    EXPECT_EQ(fakes.workspace.openedAddresses.size(), 1u);  // granted: nothing opened
    EXPECT_TRUE(service.checkAccessibilityPermission());
}

TEST_F(AccessibilityServiceTest, SwitchesToTheFirstSelectedKeyboardOfTheTarget) {
    fakes.inputSources.sources = std::vector<platform::InputSource>{
        {"xkb.us.English", "English (US)"},
        {"xkb.ru.Russian", "Russian"},
        {"xkb.ru(phonetic).Russian", "Russian (phonetic)"},
    };
    fakes.inputSources.current = "xkb.us.English";
    service.switchKeyboardForTarget(
        "russian", {"xkb.us.English", "xkb.ru(phonetic).Russian", "xkb.ru.Russian"});
    EXPECT_EQ(fakes.inputSources.selected, std::vector<std::string>{"xkb.ru(phonetic).Russian"});
    EXPECT_EQ(service.getCurrentKeyboardID(), "xkb.ru(phonetic).Russian");
    EXPECT_TRUE(logged("📥 Current keyboard: xkb.ru(phonetic).Russian"));
}

TEST_F(AccessibilityServiceTest, SwitchFailures) {
    fakes.inputSources.sources = std::vector<platform::InputSource>{{"xkb.us.English", "US"}};
    service.switchKeyboardForTarget("russian", {"xkb.us.English"});
    EXPECT_TRUE(logged("⚠️ Need at least 2 keyboards for auto-switch"));

    service.switchKeyboardForTarget("hebrew", {"xkb.us.English", "xkb.ru.Russian"});
    EXPECT_TRUE(logged(
        "⚠️ Could not find keyboard matching target layout 'hebrew' in selected keyboards"));

    service.switchKeyboardForTarget("russian", {"xkb.us.English", "xkb.ru.Russian"});
    EXPECT_TRUE(logged("❌ Keyboard not found: xkb.ru.Russian"));
    EXPECT_TRUE(fakes.inputSources.selected.empty());

    fakes.inputSources.selectStatus = platform::SelectStatus::refused;
    EXPECT_FALSE(service.switchToKeyboard("xkb.us.English"));
    EXPECT_TRUE(logged("❌ Failed to switch. Error: refused"));

    fakes.inputSources.sources.reset();
    EXPECT_FALSE(service.switchToKeyboard("xkb.us.English"));
    EXPECT_TRUE(logged("❌ Could not get input source list"));
}

}  // namespace
}  // namespace korrelang::service
