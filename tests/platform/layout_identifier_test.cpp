#include "platform/x11/layout_identifier.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/x11/layout_names.h"
#include "platform/x11/xkb_registry.h"

namespace korrelang::platform::x11 {
namespace {

TEST(LayoutIdentifier, BuildsAndParsesBack) {
    struct Case {
        XkbLayout layout;
        const char* name;
        const char* id;
    };
    const Case cases[] = {
        {{"us", ""}, "English", "xkb.us.English"},
        {{"us", "dvorak"}, "Dvorak", "xkb.us(dvorak).Dvorak"},
        {{"rs", "latin"}, "Serbian-Latin", "xkb.rs(latin).Serbian-Latin"},
        {{"de", "nodeadkeys"}, "German (no dead keys)", "xkb.de(nodeadkeys).German-no-dead-keys"},
        {{"us", "intl"},
         "English (US, intl., with dead keys)",
         "xkb.us(intl).English-US-intl-with-dead-keys"},
        {{"fo", ""}, "", "xkb.fo.fo"},  // no name: the code stands in
        {{"xx", ""}, "...", "xkb.xx.xx"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LayoutIdentifier::build(c.layout, c.name), c.id);
        EXPECT_EQ(LayoutIdentifier::parse(c.id), c.layout) << c.id;
    }
}

TEST(LayoutIdentifier, NameComponentNeverHoldsADot) {
    // A dot would split the name and change which catalogue layout the identifier resolves to.
    EXPECT_EQ(LayoutIdentifier::nameComponent("Arabic (Macintosh)."), "Arabic-Macintosh");
    EXPECT_EQ(LayoutIdentifier::nameComponent("  Français  "), "Français");
    EXPECT_EQ(LayoutIdentifier::nameComponent("Русская"), "Русская");
}

TEST(LayoutIdentifier, RejectsOtherText) {
    for (const char* id : {"", "xkb.", "xkb.us", "xkb.us.", "com.apple.keylayout.US", "xkb.(x).A",
                           "xkb.us(.A", "xkb.us().A", "XKB.us.English"}) {
        EXPECT_EQ(LayoutIdentifier::parse(id), std::nullopt) << id;
    }
}

TEST(LayoutNames, EveryEntryIsAStockLayoutAndListedOnce) {
    const XkbRegistry registry;
    ASSERT_TRUE(registry.isLoaded());
    std::set<std::pair<std::string_view, std::string_view>> seen;
    for (const auto& entry : LayoutNames::entries()) {
        EXPECT_TRUE(seen.insert({entry.layout, entry.variant}).second)
            << entry.layout << "(" << entry.variant << ")";
        EXPECT_TRUE(registry.description({std::string(entry.layout), std::string(entry.variant)}))
            << entry.layout << "(" << entry.variant << ") is not in the XKB registry";
        EXPECT_EQ(LayoutIdentifier::nameComponent(entry.name), entry.name);
    }
}

}  // namespace
}  // namespace korrelang::platform::x11
