#include <gtest/gtest.h>

#include <thread>

#include "engine/keyboard_mapping_registry.h"
#include "support/log_capture.h"

namespace korrelang::engine {
namespace {

using testing::LogCapture;

TEST(Registry, ResolvesIdentifiers) {
    struct Case {
        std::string identifier;
        std::string expected;  // catalogue id, or "" for none
    };
    const std::vector<Case> cases = {
        {"com.apple.keylayout.US", "english"},
        {"com.apple.keylayout.British", "english"},
        {"com.apple.keylayout.ABC", "english"},
        {"org.example.aBc", "english"},
        {"com.apple.keylayout.Russian", "russian"},
        {"COM.APPLE.KEYLAYOUT.RUSSIAN", "russian"},
        {"xkb.ru.Russian", "russian"},
        {"xkb.us.English", "english"},
        {"xkb.il.Hebrew", "hebrew"},
        {"xkb.us(dvorak).Dvorak", "dvorak"},
        // The ends-with rule: "belarus" ends in "us", and English comes first.
        {"com.example.keylayout.Belarus", "english"},
        // Ends in "korean" without a dot before it.
        {"com.apple.inputmethod.Korean.2SetKorean", "korean"},
        {"com.apple.keylayout.Serbian-Latin", "croatian"},
        {"xkb.rs(latin).Serbian-Latin", "croatian"},
        {"com.apple.keylayout.Serbian", "serbian"},
        {"com.apple.keylayout.Kurdish", "kurdish-kurmanji"},
        {"com.apple.keylayout.Kurdish-Sorani", "kurdish-sorani"},
        {"xkb.ir.Persian", "persian"},
        {"com.apple.keylayout.Finnish", "finnish"},
        // Patterns with a dot match only as an ending.
        {"locale.ru", "russian"},
        {"ru", ""},
        {"xkb.de.German", "german"},
        {"trailing.dots.Greek...", "greek"},
        {"", ""},
        {"...", ""},
        {"com.apple.keylayout.Klingon", ""},
    };
    const auto& registry = KeyboardMappingRegistry::shared();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.identifier);
        const auto mapping = registry.mappingFor(c.identifier);
        EXPECT_EQ(mapping ? mapping->id() : "", c.expected);
    }
}

TEST(Registry, MappingsForKeepsOrderDropsDuplicatesAndLogs) {
    const LogCapture log;
    const auto mappings = KeyboardMappingRegistry::shared().mappingsFor(
        {"com.apple.keylayout.Russian", "com.apple.keylayout.US", "com.apple.keylayout.Klingon",
         "com.apple.keylayout.British"});
    ASSERT_EQ(mappings.size(), 2u);
    EXPECT_EQ(mappings[0].id(), "russian");
    EXPECT_EQ(mappings[1].id(), "english");
    EXPECT_EQ(log.lines(), (std::vector<std::string>{
                               "📋 Registry: Resolving 4 layout IDs:",
                               "   ✅ 'com.apple.keylayout.Russian' → Russian",
                               "   ✅ 'com.apple.keylayout.US' → English",
                               "   ❌ 'com.apple.keylayout.Klingon' → no match in registry",
                               "📋 Registry: Resolved 2 candidates: [\"Russian\", \"English\"]",
                           }));
}

TEST(Registry, MappingsForOfNothingLogsTheFrame) {
    const LogCapture log;
    EXPECT_TRUE(KeyboardMappingRegistry::shared().mappingsFor({}).empty());
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"📋 Registry: Resolving 0 layout IDs:",
                                                     "📋 Registry: Resolved 0 candidates: []"}));
}

TEST(Registry, OtherMappingIDsKeepsOrder) {
    const auto mappings = KeyboardMappingRegistry::shared().mappingsFor(
        {"xkb.us.English", "xkb.il.Hebrew", "xkb.ru.Russian"});
    EXPECT_EQ(KeyboardMappingRegistry::otherMappingIDs(mappings, "hebrew"),
              (std::vector<std::string>{"english", "russian"}));
    EXPECT_EQ(KeyboardMappingRegistry::otherMappingIDs(mappings, "german"),
              (std::vector<std::string>{"english", "hebrew", "russian"}));
}

TEST(Registry, SharedIsBuiltOnceUnderRacingThreads) {
    std::vector<const KeyboardMappingRegistry*> seen(8, nullptr);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < seen.size(); ++i) {
        threads.emplace_back([&seen, i] { seen[i] = &KeyboardMappingRegistry::shared(); });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    for (const auto* registry : seen) {
        EXPECT_EQ(registry, seen.front());
    }
    EXPECT_EQ(seen.front()->all().size(), 56u);
}

TEST(KeyboardMapping, RejectsARepeatedOrInvalidKey) {
    const LogCapture log;
    EXPECT_FALSE(KeyboardMapping::create("x", "X", {"x"}, false, true,
                                         {{12, {"q", "Q"}}, {13, {"w", "W"}}, {12, {"e", "E"}}}));
    EXPECT_TRUE(log.contains("❌ Layout 'x': key code 12 appears twice"));
    EXPECT_FALSE(KeyboardMapping::create("y", "Y", {"y"}, false, true, {{12, {"\xff", ""}}}));
    EXPECT_FALSE(KeyboardMapping::create("z", "Z", {"z"}, false, true, {{500, {"a", "A"}}}));
    EXPECT_TRUE(KeyboardMapping::create("ok", "OK", {"ok"}, false, true, {{12, {"q", "Q"}}}));
}

TEST(KeyboardMapping, CopiesShareTheCatalogueEntry) {
    const auto a = KeyboardMappingRegistry::shared().mappingFor("xkb.ru.Russian");
    const auto b = KeyboardMappingRegistry::shared().mappingFor("com.apple.keylayout.Russian");
    ASSERT_TRUE(a && b);
    EXPECT_EQ(*a, *b);
    EXPECT_EQ(&a->characterIndex(), &b->characterIndex());
}

}  // namespace
}  // namespace korrelang::engine
