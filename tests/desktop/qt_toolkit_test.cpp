#include <gtest/gtest.h>

#include <QCoreApplication>
#include <functional>
#include <string>

#include "service/verified_text_write.h"
#include "support/accessible_desktop.h"
#include "support/desktop_harness.h"

namespace korrelang::platform {
namespace {

using testing::Child;
using testing::runProgram;
using testing::waitUntil;

// The helper built beside this test.
QString fieldProgram() {
    return QCoreApplication::applicationDirPath() + "/qt_text_field";
}

class QtToolkitTest : public ::testing::Test, protected testing::AccessibleDesktop {
protected:
    // Starts the Qt field and waits until AT-SPI reports it focused with `text`.
    std::unique_ptr<Child> startField(const std::string& text, int maxLength = 0,
                                      const QString& extra = {}) {
        QStringList arguments{QString::fromStdString(text), QString::number(maxLength)};
        if (!extra.isEmpty()) {
            arguments << extra;
        }
        auto child = std::make_unique<Child>(fieldProgram(), arguments,
                                             QStringList{"QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1"});
        const QString pid = QString::number(child->pid());
        waitUntil([&] {
            const std::string window =
                runProgram("xdotool", {"search", "--onlyvisible", "--pid", pid});
            if (window.empty()) {
                return false;
            }
            runProgram("xdotool", {"windowactivate", "--sync", QString::fromStdString(window)});
            return fieldIs(text);
        });
        return child;
    }
};

TEST_F(QtToolkitTest, OffsetsAreConvertedFromUtf16Units) {
    const auto field = startField("😀 ghbdtn 👍🏽 end");
    const auto element = accessibility.focusedElement().element;
    ASSERT_NE(element, nullptr);
    // Qt puts the caret at the end: 14 characters, though 18 UTF-16 units.
    EXPECT_EQ(element->selectedRange().value, (TextRange{14, 0}));

    ASSERT_EQ(element->setSelectedRange({2, 6}), AccessCode::success);
    EXPECT_EQ(element->selectedText().value, "ghbdtn");
    ASSERT_EQ(element->setSelectedText("привет"), AccessCode::success);
    EXPECT_TRUE(waitUntil([&] { return fieldIs("😀 привет 👍🏽 end"); }));
    EXPECT_EQ(element->selectedRange().value, (TextRange{8, 0}));

    // After the two-code-point emoji, whose UTF-16 length differs from its code points.
    ASSERT_EQ(element->setSelectedRange({11, 3}), AccessCode::success);
    ASSERT_EQ(element->setSelectedText("конец"), AccessCode::success);
    EXPECT_TRUE(waitUntil([&] { return fieldIs("😀 привет 👍🏽 конец"); }));
}

// Writes given the text they apply to map their offsets on it without reading the field: in
// UTF-16 units here, each step's text the one the step before left.
TEST_F(QtToolkitTest, WritesGivenTheTextMapOffsetsInTheFieldsUnits) {
    const auto field = startField("😀 ghbdtn 👍🏽 end");
    const auto element = accessibility.focusedElement().element;
    ASSERT_NE(element, nullptr);
    const auto state = element->textState();
    ASSERT_TRUE(state.succeeded());
    EXPECT_EQ(*state.value, (TextState{"😀 ghbdtn 👍🏽 end", {14, 0}}));

    struct Step {
        std::string before;
        std::function<AccessCode(const std::string&)> write;
        std::string after;
    };
    const Step steps[] = {
        {"😀 ghbdtn 👍🏽 end",
         [&](const auto& now) { return element->insertTextGiven(now, 8, "!"); },
         "😀 ghbdtn! 👍🏽 end"},
        {"😀 ghbdtn! 👍🏽 end",
         [&](const auto& now) {
             return element->deleteTextGiven(now, {2, 6});
         },
         "😀 ! 👍🏽 end"},
        {"😀 ! 👍🏽 end",
         [&](const auto& now) { return element->insertTextGiven(now, 6, "конец "); },
         "😀 ! 👍🏽 конец end"},
    };
    for (const Step& step : steps) {
        ASSERT_EQ(step.write(step.before), AccessCode::success) << step.after;
        EXPECT_TRUE(fieldShows(step.after));
    }
    const std::string now = "😀 ! 👍🏽 конец end";
    ASSERT_EQ(element->setSelectedRangeGiven(now, {6, 5}), AccessCode::success);
    EXPECT_EQ(element->selectedText().value, "конец");
    ASSERT_EQ(element->setSelectedRangeGiven(now, {4, 0}), AccessCode::success);
    EXPECT_EQ(element->selectedRange().value, (TextRange{4, 0}));
    EXPECT_EQ(element->setSelectedRangeGiven(now, {20, 0}), AccessCode::outOfRange);
}

// A field at its length limit: inserting before deleting would be truncated; the write finds
// that out by reading back, puts the text back, and succeeds the other way round. The emoji
// before the range counts two UTF-16 units, which the offsets must account for.
TEST_F(QtToolkitTest, ALengthLimitedFieldIsWrittenWithoutLosingText) {
    const auto field = startField("😀 ghbdtn world", 15);
    const auto element = accessibility.focusedElement().element;
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(service::VerifiedTextWrite::replace(*element, {2, 6}, "ghbdtn", "привет"),
              service::VerifiedTextWrite::Result::written);
    EXPECT_TRUE(waitUntil([&] { return fieldIs("😀 привет world"); }))
        << element->value().value.value_or("(nothing)");
    // A range that no longer holds the text read is left alone.
    EXPECT_EQ(service::VerifiedTextWrite::replace(*element, {2, 6}, "ghbdtn", "привет"),
              service::VerifiedTextWrite::Result::notWritten);
    EXPECT_TRUE(fieldIs("😀 привет world"));

    // The same with the calls sent together: the truncated try is put back, selection included,
    // before deleting first succeeds and selects the new text.
    const service::VerifiedTextWrite::Selections selections{{8, 0}, {2, 6}};
    EXPECT_EQ(
        service::VerifiedTextWrite::replace(*element, {2, 6}, "привет", "ghbdtn", selections, true),
        service::VerifiedTextWrite::Result::written);
    EXPECT_TRUE(waitUntil([&] { return fieldIs("😀 ghbdtn world"); }))
        << element->value().value.value_or("(nothing)");
    EXPECT_EQ(element->selectedText().value, "ghbdtn");
}

// A list announcing its current item as focused while the keyboard stays in the field: the
// field, not the item (which holds no text), is the element to convert in.
TEST_F(QtToolkitTest, AFocusAnnouncementWithoutTheKeyboardDoesNotHideTheField) {
    const auto field = startField("ghbdtn", 0, "list");
    // Long enough for several announcements to reach the focus tracking.
    waitUntil([] { return false; }, std::chrono::milliseconds(600));
    for (int i = 0; i < 3; ++i) {
        const auto element = accessibility.focusedElement().element;
        ASSERT_NE(element, nullptr);
        EXPECT_EQ(element->value().value, "ghbdtn") << element->role();
        waitUntil([] { return false; }, std::chrono::milliseconds(150));
    }
}

}  // namespace
}  // namespace korrelang::platform
