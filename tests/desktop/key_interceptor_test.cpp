#include <gtest/gtest.h>

#include "platform/x11/x11_key_interceptor.h"
#include "platform/x11/xkb_input_sources.h"
#include "support/accessible_desktop.h"
#include "support/desktop_harness.h"

namespace korrelang::platform {
namespace {

using testing::Mousepad;
using testing::tapKey;
using testing::waitUntil;

constexpr unsigned kShift = 50;  // X keycodes
constexpr unsigned kKeyA = 38;
constexpr unsigned kKeyQ = 24;

class KeyInterceptorTest : public ::testing::Test, protected testing::AccessibleDesktop {
protected:
    void TearDown() override { layouts.selectSource("xkb.us.English"); }

    x11::XkbInputSources layouts{display};
    x11::X11KeyInterceptor interceptor;
    std::vector<std::pair<KeyCode, Modifiers>> seen;

    // Thai is caseless; Shift+a becomes "A", Shift+q is let through.
    bool startOnThai() {
        return interceptor.start(
            [](const std::string& id) { return id.find(".th.") != std::string::npos; },
            [this](KeyCode key, platform::Modifiers flags) -> std::optional<std::string> {
                seen.emplace_back(key, flags);
                return key == KEY_A ? std::optional<std::string>("A") : std::nullopt;
            });
    }
};

TEST_F(KeyInterceptorTest, TypesTheLatinCapitalForShiftLetterOnThai) {
    Mousepad editor;
    ASSERT_TRUE(editor.isReady());
    ASSERT_TRUE(startOnThai());
    ASSERT_EQ(layouts.selectSource("xkb.th.Thai"), platform::SelectStatus::selected);
    ASSERT_TRUE(waitUntil([&] { return interceptor.isIntercepting(); }));

    tapKey(kKeyA, {kShift});
    EXPECT_TRUE(fieldShows("A"));
    tapKey(kKeyA);  // without Shift the layout's own letter
    EXPECT_TRUE(fieldShows("Aฟ"));
    tapKey(kKeyQ, {kShift});  // the handler lets this one through unchanged
    EXPECT_TRUE(fieldShows("Aฟ๐"));
    EXPECT_EQ(seen, (std::vector<std::pair<KeyCode, Modifiers>>{{KEY_A, Modifier::Shift},
                                                                {KEY_Q, Modifier::Shift}}));
}

TEST_F(KeyInterceptorTest, LeavesOtherLayoutsAlone) {
    Mousepad editor;
    ASSERT_TRUE(editor.isReady());
    ASSERT_TRUE(startOnThai());
    ASSERT_EQ(layouts.selectSource("xkb.th.Thai"), platform::SelectStatus::selected);
    ASSERT_TRUE(waitUntil([&] { return interceptor.isIntercepting(); }));
    ASSERT_EQ(layouts.selectSource("xkb.ru.Russian"), platform::SelectStatus::selected);
    ASSERT_TRUE(waitUntil([&] { return !interceptor.isIntercepting(); }));
    tapKey(kKeyA, {kShift});
    EXPECT_TRUE(fieldShows("Ф"));
    EXPECT_TRUE(seen.empty());

    // Stopped, Thai types its own shifted letter again.
    interceptor.stop();
    ASSERT_EQ(layouts.selectSource("xkb.th.Thai"), platform::SelectStatus::selected);
    tapKey(kKeyA, {kShift});
    EXPECT_TRUE(fieldShows("Фฤ"));
}

TEST_F(KeyInterceptorTest, CannotStartWhenTheKeysAreTaken) {
    ASSERT_TRUE(startOnThai());
    ASSERT_EQ(layouts.selectSource("xkb.th.Thai"), platform::SelectStatus::selected);
    ASSERT_TRUE(waitUntil([&] { return interceptor.isIntercepting(); }));
    x11::X11KeyInterceptor second;
    EXPECT_FALSE(second.start([](const std::string&) { return true; },
                              [](KeyCode, Modifiers) { return std::nullopt; }));
    EXPECT_FALSE(second.isRunning());
}

}  // namespace
}  // namespace korrelang::platform
