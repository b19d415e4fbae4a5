#include "platform/x11/xkb_input_sources.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "support/desktop_harness.h"

namespace korrelang::platform::x11 {
namespace {

using testing::runProgram;
using testing::waitUntil;

// The session starts with the layouts us,ru,il,th.
class XkbInputSourcesTest : public ::testing::Test {
protected:
    void TearDown() override { sources.selectSource("xkb.us.English"); }
    XkbInputSources sources;
};

TEST_F(XkbInputSourcesTest, ListsTheGroupsInOrderWithStableIdentifiers) {
    const auto list = sources.enabledSources();
    ASSERT_TRUE(list.has_value());
    const std::vector<InputSource> expected = {{"xkb.us.English", "English (US)"},
                                               {"xkb.ru.Russian", "Russian"},
                                               {"xkb.il.Hebrew", "Hebrew"},
                                               {"xkb.th.Thai", "Thai"}};
    EXPECT_EQ(*list, expected);
    EXPECT_EQ(sources.enabledSources(), list);
}

TEST_F(XkbInputSourcesTest, SelectsEachLayoutAndReadsItBack) {
    for (const char* id : {"xkb.ru.Russian", "xkb.th.Thai", "xkb.il.Hebrew", "xkb.us.English"}) {
        EXPECT_EQ(sources.selectSource(id), platform::SelectStatus::selected) << id;
        EXPECT_EQ(sources.currentSourceID(), id);
    }
}

TEST_F(XkbInputSourcesTest, RefusesALayoutThatIsNotEnabled) {
    ASSERT_EQ(sources.selectSource("xkb.ru.Russian"), platform::SelectStatus::selected);
    EXPECT_EQ(sources.selectSource("xkb.de.German"), platform::SelectStatus::notEnabled);
    EXPECT_EQ(sources.currentSourceID(), "xkb.ru.Russian");
}

TEST_F(XkbInputSourcesTest, KeyTextComesFromTheLatinLayoutWhateverIsActive) {
    ASSERT_EQ(sources.selectSource("xkb.ru.Russian"), platform::SelectStatus::selected);
    EXPECT_EQ(sources.keyText(KEY_A), "a");
    EXPECT_EQ(sources.keyText(KEY_SEMICOLON), ";");
    EXPECT_EQ(sources.keyText(KEY_LEFT), std::nullopt);  // types no character
}

TEST_F(XkbInputSourcesTest, ReportsGroupChangesMadeByOthers) {
    int changes = 0;
    sources.setChangeCallback([&] { ++changes; });
    XkbInputSources other;
    ASSERT_EQ(other.selectSource("xkb.il.Hebrew"), platform::SelectStatus::selected);
    EXPECT_TRUE(waitUntil([&] { return changes > 0; }));
    EXPECT_EQ(sources.currentSourceID(), "xkb.il.Hebrew");
}

TEST_F(XkbInputSourcesTest, ReportsANewSetOfLayouts) {
    int changes = 0;
    sources.setChangeCallback([&] { ++changes; });
    runProgram("setxkbmap", {"-layout", "us,de(nodeadkeys)"});
    EXPECT_TRUE(waitUntil([&] { return changes > 0; }));
    const auto list = sources.enabledSources();
    ASSERT_TRUE(list.has_value());
    ASSERT_EQ(list->size(), 2u);
    EXPECT_EQ((*list)[1].id, "xkb.de(nodeadkeys).German-no-dead-keys");
    runProgram("setxkbmap", {"-layout", "us,ru,il,th"});
}

}  // namespace
}  // namespace korrelang::platform::x11
