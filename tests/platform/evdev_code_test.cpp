#include "platform/wayland/evdev_code.h"

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

namespace korrelang::platform::wayland {
namespace {

TEST(EvdevCode, NamesTheKernelsKeys) {
    struct Case {
        KeyCode key;
        std::uint32_t evdev;
    };
    const Case cases[] = {
        {Key::a, KEY_A},
        {Key::c, KEY_C},
        {Key::v, KEY_V},
        {Key::space, KEY_SPACE},
        {Key::returnKey, KEY_ENTER},
        {Key::deleteKey, KEY_BACKSPACE},
        {Key::shift, KEY_LEFTSHIFT},
        {Key::control, KEY_LEFTCTRL},
        {Key::insert, KEY_INSERT},
        {Key::home, KEY_HOME},
        {Key::left, KEY_LEFT},
        {Key::command, KEY_LEFTMETA},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(evdevCode(c.key), std::optional<std::uint32_t>(c.evdev)) << c.key;
    }
    EXPECT_FALSE(evdevCode(0xFFFF).has_value());
}

}  // namespace
}  // namespace korrelang::platform::wayland
