#include "platform/sway/sway_replies.h"

#include <gtest/gtest.h>

#include "platform/sway/sway_hot_keys.h"

namespace korrelang::platform::sway {
namespace {

TEST(SwayReplies, FindsTheFocusedWindowAnywhereInTheTree) {
    const char* tree = R"js({"id":1,"type":"root","focused":false,"nodes":[
        {"type":"output","nodes":[{"type":"workspace","focused":false,"nodes":[
            {"type":"con","app_id":"org.xfce.mousepad","pid":41,"focused":false}],
          "floating_nodes":[
            {"type":"floating_con","app_id":null,"pid":42,"focused":true,
             "window_properties":{"class":"XTerm","instance":"xterm"}}]}]}]})js";
    const auto node = SwayReplies::focusedNode(tree);
    ASSERT_TRUE(node.has_value());
    EXPECT_EQ(node->appId, "XTerm");  // an Xwayland window: its class
    EXPECT_EQ(node->name, "xterm");
    EXPECT_EQ(node->pid, 42);

    const auto native = SwayReplies::focusedNode(
        R"js({"nodes":[{"app_id":"org.xfce.mousepad","pid":41,"focused":true}]})js");
    ASSERT_TRUE(native.has_value());
    EXPECT_EQ(native->appId, "org.xfce.mousepad");

    // A focused workspace (no window) and broken replies name nothing.
    EXPECT_FALSE(
        SwayReplies::focusedNode(R"js({"nodes":[{"type":"workspace","focused":true}]})js"));
    EXPECT_FALSE(SwayReplies::focusedNode("not json"));
    EXPECT_FALSE(SwayReplies::focusedNode(""));
}

TEST(SwayReplies, FollowsTheKeyboardWithTheMostLayouts) {
    const char* inputs = R"js([
        {"identifier":"0:0:korrelang","type":"keyboard","xkb_layout_names":["English (US)"],
         "xkb_active_layout_index":0},
        {"identifier":"1:1:mouse","type":"pointer"},
        {"identifier":"0:0:keyboard","type":"keyboard",
         "xkb_layout_names":["English (US)","Russian","Hebrew"],"xkb_active_layout_index":2},
        {"identifier":"0:0:other","type":"keyboard","xkb_layout_names":["German","French","Thai"],
         "xkb_active_layout_index":0}])js";
    EXPECT_EQ(SwayReplies::keyboards(inputs).size(), 3U);
    const auto main = SwayReplies::mainKeyboard(inputs);
    ASSERT_TRUE(main.has_value());
    EXPECT_EQ(main->identifier, "0:0:keyboard");  // the first of equals
    EXPECT_EQ(main->layoutNames.size(), 3U);
    EXPECT_EQ(main->activeIndex, 2);
    EXPECT_FALSE(SwayReplies::mainKeyboard("[]"));
}

TEST(SwayReplies, ReadsCommandRepliesAndEvents) {
    std::string error;
    EXPECT_TRUE(SwayReplies::commandSucceeded(R"js([{"success":true},{"success":true}])js"));
    EXPECT_FALSE(SwayReplies::commandSucceeded(
        R"js([{"success":true},{"success":false,"parse_error":true,"error":"Unknown command"}])js",
        &error));
    EXPECT_EQ(error, "Unknown command");
    EXPECT_FALSE(SwayReplies::commandSucceeded("[]", &error));
    EXPECT_TRUE(SwayReplies::subscribed(R"js({"success": true})js"));
    EXPECT_FALSE(SwayReplies::subscribed(R"js({"success": false})js"));

    EXPECT_EQ(SwayReplies::bindingCommand(
                  R"js({"change":"run","binding":{"command":"nop korrelang-hotkey-3"}})js"),
              "nop korrelang-hotkey-3");
    EXPECT_EQ(SwayReplies::bindingCommand(R"js({"change":"other","binding":{"command":"x"}})js"),
              "");
    EXPECT_EQ(SwayReplies::inputChange(R"js({"change":"xkb_layout","input":{}})js"), "xkb_layout");
}

TEST(SwayHotKeys, BindsKeyCodesWithSwaysModifierNames) {
    struct Case {
        KeyCode key;
        platform::Modifiers modifiers;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {KEY_SPACE, Modifier::Control | Modifier::Shift, "Ctrl+Shift+65"},
        {KEY_A, Modifier::Super | Modifier::Alt, "Mod4+Mod1+38"},
        {KEY_ENTER, {}, "36"},
        {0xFFFF, Modifier::Control, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SwayHotKeys::combination(c.key, c.modifiers), c.expected) << c.key;
    }
    EXPECT_NE(SwayHotKeys::marker(1), SwayHotKeys::marker(11));
}

}  // namespace
}  // namespace korrelang::platform::sway
