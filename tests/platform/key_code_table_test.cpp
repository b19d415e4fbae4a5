#include "platform/x11/key_code_table.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/key_code.h"
#include "platform/key_codes.h"

namespace korrelang::platform::x11 {
namespace {

TEST(KeyCodeTable, EveryCharacterKeyHasADistinctXKeycodeAndComesBack) {
    std::set<XKeycode> seen;
    for (const KeyCode key : engine::kCharacterKeys) {
        const auto x = KeyCodeTable::toX(key);
        ASSERT_TRUE(x.has_value()) << key;
        EXPECT_TRUE(seen.insert(*x).second) << "X keycode used twice: " << int(*x);
        EXPECT_EQ(KeyCodeTable::fromX(*x), key);
    }
}

TEST(KeyCodeTable, KnownPositions) {
    struct Case {
        KeyCode key;
        XKeycode x;
    };
    // evdev: the Linux input code plus 8.
    const Case cases[] = {
        {0, 38},                   // a
        {12, 24},                  // q
        {6, 52},                   // z
        {18, 10},                  // 1
        {29, 19},                  // 0
        {50, 49},                  // grave
        {42, 51},                  // backslash
        {Key::space, 65},          //
        {Key::returnKey, 36},      //
        {Key::deleteKey, 22},      // Backspace
        {Key::control, 37},        //
        {Key::shift, 50},          //
        {Key::command, 133},       // Super
        {Key::left, 113},          //
        {Key::right, 114},         //
        {Key::home, 110},          //
        {Key::end, 115},           //
        {Key::forwardDelete, 119}  //
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyCodeTable::toX(c.key), c.x) << c.key;
    }
}

TEST(KeyCodeTable, FunctionKeysForRecordedShortcutsComeBack) {
    // F1–F20 in order, as virtual key codes, and their evdev keycodes.
    const KeyCode functionKeys[] = {122, 120, 99,  118, 96,  97,  98, 100, 101, 109,
                                    103, 111, 105, 107, 113, 106, 64, 79,  80,  90};
    const XKeycode xKeycodes[] = {67, 68, 69,  70,  71,  72,  73,  74,  75,  76,
                                  95, 96, 191, 192, 193, 194, 195, 196, 197, 198};
    for (std::size_t i = 0; i < std::size(functionKeys); ++i) {
        EXPECT_EQ(KeyCodeTable::toX(functionKeys[i]), xKeycodes[i]) << "F" << i + 1;
        EXPECT_EQ(KeyCodeTable::fromX(xKeycodes[i]), functionKeys[i]) << "F" << i + 1;
    }
}

TEST(KeyCodeTable, UnknownCodesHaveNoKey) {
    EXPECT_EQ(KeyCodeTable::toX(52), std::nullopt);  // no key has this code
    EXPECT_EQ(KeyCodeTable::toX(999), std::nullopt);
    EXPECT_EQ(KeyCodeTable::fromX(0), std::nullopt);
    EXPECT_EQ(KeyCodeTable::fromX(255), std::nullopt);
}

}  // namespace
}  // namespace korrelang::platform::x11
