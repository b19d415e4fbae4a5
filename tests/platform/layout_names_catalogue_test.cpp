#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/keyboard_mapping_registry.h"
#include "platform/x11/layout_identifier.h"
#include "platform/x11/layout_names.h"

namespace korrelang::platform::x11 {
namespace {

// Walks the catalogue: every language must be reachable from at least one XKB layout, or users
// of that language could never select it on this desktop.
TEST(LayoutNamesCatalogue, EveryCatalogueLanguageHasAnXkbLayout) {
    const auto& registry = engine::KeyboardMappingRegistry::shared();
    std::map<std::string, std::string> reachedBy;
    for (const auto& entry : LayoutNames::entries()) {
        const std::string id = LayoutIdentifier::build(
            {std::string(entry.layout), std::string(entry.variant)}, entry.name);
        const auto mapping = registry.mappingFor(id);
        ASSERT_TRUE(mapping.has_value()) << id << " resolves to no catalogue layout";
        reachedBy.emplace(mapping->id(), id);
    }
    for (const auto& mapping : registry.all()) {
        EXPECT_TRUE(reachedBy.contains(mapping.id())) << mapping.id() << " has no XKB layout";
    }
}

// The comment beside each entry names the language it must resolve to; spot-check the ones whose
// names could be caught by an earlier catalogue entry.
TEST(LayoutNamesCatalogue, TrickyNamesResolveToTheirOwnLanguage) {
    const auto& registry = engine::KeyboardMappingRegistry::shared();
    const std::pair<const char*, const char*> cases[] = {
        {"xkb.us.English", "english"},
        {"xkb.by.Belarusian", "belarusian"},
        {"xkb.rs(latin).Serbian-Latin", "croatian"},
        {"xkb.rs.Serbian", "serbian"},
        {"xkb.us(dvorak).Dvorak", "dvorak"},
        {"xkb.iq.Kurdish-Sorani", "kurdish-sorani"},
        {"xkb.tr(ku).Kurdish-Kurmanji", "kurdish-kurmanji"},
        {"xkb.tr.Turkish", "turkish"},
        {"xkb.in.Hindi", "hindi"},
        {"xkb.br.Brazilian", "portuguese"},
    };
    for (const auto& [id, language] : cases) {
        const auto mapping = registry.mappingFor(id);
        ASSERT_TRUE(mapping.has_value()) << id;
        EXPECT_EQ(mapping->id(), language) << id;
    }
}

}  // namespace
}  // namespace korrelang::platform::x11
