#include "platform/x11/x_keycode.h"

#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon.h>

#include <memory>
#include <string>

#include "engine/key_code.h"
#include "engine/keyboard_mapping_registry.h"

namespace korrelang::platform::x11 {
namespace {

struct KeymapDeleter {
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};

// What a key types on xkbcommon's own US keymap at a shift level, looked up by X keycode.
std::string typedOnUs(xkb_keymap* keymap, XKeycode keycode, xkb_level_index_t level) {
    const xkb_keysym_t* syms = nullptr;
    if (xkb_keymap_key_get_syms_by_level(keymap, keycode, 0, level, &syms) < 1) {
        return {};
    }
    char text[8] = {};
    return xkb_keysym_to_utf8(syms[0], text, sizeof text) > 0 ? text : "";
}

// The catalogue's key codes, the X conversion and the desktops' keymaps must agree, or every
// conversion maps the wrong keys: the English table must be what the US keymap types.
TEST(XKeycode, CatalogueKeysTypeTheEnglishTableOnTheUsKeymap) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    ASSERT_NE(context, nullptr);
    const xkb_rule_names names{"evdev", "pc105", "us", "", ""};
    const std::unique_ptr<xkb_keymap, KeymapDeleter> keymap(
        xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    xkb_context_unref(context);
    ASSERT_NE(keymap, nullptr);

    const auto english = engine::KeyboardMappingRegistry::shared().mappingFor("xkb.us.English");
    ASSERT_TRUE(english.has_value());
    for (const KeyCode key : engine::kCharacterKeys) {
        const auto keycode = toXKeycode(key);
        ASSERT_TRUE(keycode.has_value()) << key;
        EXPECT_EQ(fromXKeycode(*keycode), key);
        const auto* texts = english->keyTexts(key);
        ASSERT_NE(texts, nullptr) << key;
        EXPECT_EQ(typedOnUs(keymap.get(), *keycode, 0), texts->normal) << key;
        EXPECT_EQ(typedOnUs(keymap.get(), *keycode, 1), texts->shifted) << key;
    }
}

TEST(XKeycode, ReservedAndOutOfRangeCodesHaveNoCounterpart) {
    EXPECT_EQ(toXKeycode(KEY_SPACE), 65);
    EXPECT_EQ(toXKeycode(247), 255);
    EXPECT_EQ(toXKeycode(248), std::nullopt);
    EXPECT_EQ(fromXKeycode(8), KEY_RESERVED);
    EXPECT_EQ(fromXKeycode(7), std::nullopt);
    EXPECT_EQ(fromXKeycode(256), std::nullopt);
}

}  // namespace
}  // namespace korrelang::platform::x11
