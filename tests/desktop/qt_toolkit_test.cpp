#include <gtest/gtest.h>

#include <QCoreApplication>

#include "desktop_harness.h"
#include "platform/atspi/atspi_accessibility.h"
#include "platform/x11/active_window.h"

namespace korrelang::platform {
namespace {

using testing::Child;
using testing::runProgram;
using testing::waitUntil;

// The helper built beside this test.
QString fieldProgram() {
    return QCoreApplication::applicationDirPath() + "/qt_text_field";
}

class QtToolkitTest : public ::testing::Test {
protected:
    std::shared_ptr<x11::DisplayConnection> display = x11::DisplayConnection::open();
    x11::ActiveWindow activeWindow{display};
    atspi::AtspiAccessibility accessibility{[this]() -> std::optional<long> {
        const auto window = activeWindow.query();
        return window ? window->pid : std::nullopt;
    }};

    // Starts the Qt field and waits until AT-SPI reports it focused with `text`.
    std::unique_ptr<Child> startField(const std::string& text) {
        auto child =
            std::make_unique<Child>(fieldProgram(), QStringList{QString::fromStdString(text)},
                                    QStringList{"QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1"});
        const QString pid = QString::number(child->pid());
        waitUntil([&] {
            const std::string window =
                runProgram("xdotool", {"search", "--onlyvisible", "--pid", pid});
            if (window.empty()) {
                return false;
            }
            runProgram("xdotool", {"windowactivate", "--sync", QString::fromStdString(window)});
            return fieldShows(text);
        });
        return child;
    }

    bool fieldShows(const std::string& expected) {
        const auto lookup = accessibility.focusedElement();
        return lookup.element && lookup.element->value().value == expected;
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
    EXPECT_TRUE(waitUntil([&] { return fieldShows("😀 привет 👍🏽 end"); }));
    EXPECT_EQ(element->selectedRange().value, (TextRange{8, 0}));

    // After the two-code-point emoji, whose UTF-16 length differs from its code points.
    ASSERT_EQ(element->setSelectedRange({11, 3}), AccessCode::success);
    ASSERT_EQ(element->setSelectedText("конец"), AccessCode::success);
    EXPECT_TRUE(waitUntil([&] { return fieldShows("😀 привет 👍🏽 конец"); }));
}

}  // namespace
}  // namespace korrelang::platform
