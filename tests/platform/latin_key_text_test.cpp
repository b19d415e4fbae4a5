#include "platform/x11/latin_key_text.h"

#include <gtest/gtest.h>

namespace korrelang::platform::x11 {
namespace {

// Keymaps compiled from the installed XKB rules, as for a compositor.
TEST(LatinKeyText, TheActiveLatinLayoutElseTheFirstOne) {
    const XkbLayout us{"us", ""};
    const XkbLayout ru{"ru", ""};
    const XkbLayout de{"de", ""};
    const XkbLayout dvorak{"us", "dvorak"};
    const XkbLayout ua{"ua", ""};
    const XkbLayout by{"by", ""};
    struct Case {
        std::vector<XkbLayout> layouts;
        int active;
        KeyCode key;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {{us, ru}, 1, KEY_Q, "q"},              // Russian active: the Latin layout answers
        {{ru, de}, 0, KEY_Y, "z"},              // the first Latin layout, not the US one
        {{de, us}, 1, KEY_Y, "y"},              // the active one when it is Latin
        {{us, dvorak}, 1, KEY_Q, "'"},          // an empty first variant keeps its place
        {{dvorak, us}, 0, KEY_Q, "'"},          //
        {{us, ru, ua, by, de}, 4, KEY_Y, "z"},  // the active one beyond a keymap's four
        {{ru}, 0, KEY_Q, std::nullopt},         // no Latin layout
        {{us}, 0, KEY_F1, std::nullopt},        // nothing printable
        {{us}, 0, KEY_ESC, std::nullopt},       //
        {{}, 0, KEY_Q, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LatinKeyText::compiled(c.layouts, c.active, c.key), c.text)
            << c.layouts.size() << " layouts, active " << c.active << ", key " << c.key;
    }
}

}  // namespace
}  // namespace korrelang::platform::x11
