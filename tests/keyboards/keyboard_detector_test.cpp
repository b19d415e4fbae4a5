#include "keyboards/keyboard_detector.h"

#include <gtest/gtest.h>

#include "keyboards/keyboard_listing.h"
#include "platform/fake/fake_input_sources.h"

namespace korrelang::keyboards {
namespace {

using platform::InputSource;

TEST(KeyboardDetector, NamesKnownLayoutsByTheCatalogueAndKeepsUnknownOnes) {
    platform::fake::FakeInputSources sources;
    sources.sources = std::vector<InputSource>{
        {"xkb.ru.Russian", "Russian"},
        {"xkb.fo.Faroese", "Faroese"},                       // not in the catalogue
        {"xkb.us.English", "English (US)"},                  //
        {"xkb.gb.British", "English (UK)"},                  // a second English keyboard stays
        {"xkb.rs(latin).Serbian-Latin", "Serbian (Latin)"},  // the catalogue calls it Croatian
        {"", "No identifier"},                               // left out
        {"xkb.xx.Nameless", ""},                             // left out
    };
    const std::vector<KeyboardLayout> expected = {
        {"xkb.ru.Russian", "Russian", "Russian"},
        {"xkb.fo.Faroese", "Faroese", "Faroese"},
        {"xkb.us.English", "English (US)", "English"},
        {"xkb.gb.British", "English (UK)", "English"},
        {"xkb.rs(latin).Serbian-Latin", "Serbian (Latin)", "Croatian"},
    };
    const KeyboardDetector detector(sources);
    const auto detected = detector.installedKeyboards();
    EXPECT_FALSE(detected.isFallback);
    EXPECT_EQ(detected.keyboards, expected);
    EXPECT_EQ(detector.installedKeyboards().keyboards, expected);
}

TEST(KeyboardDetector, FallsBackAndSaysSoWhenTheDesktopAnswersNothing) {
    platform::fake::FakeInputSources sources;
    const KeyboardDetector detector(sources);
    for (const auto& answer : {std::optional<std::vector<InputSource>>{},
                               std::optional<std::vector<InputSource>>{std::vector<InputSource>{}},
                               std::optional<std::vector<InputSource>>{{{"", ""}}}}) {
        sources.sources = answer;
        const auto detected = detector.installedKeyboards();
        EXPECT_TRUE(detected.isFallback);
        ASSERT_EQ(detected.keyboards.size(), 5u);
        EXPECT_EQ(detected.keyboards, KeyboardDetector::fallbackKeyboards());
    }
    const auto fallback = KeyboardDetector::fallbackKeyboards();
    EXPECT_EQ(fallback.front().id, "xkb.us.English");
    EXPECT_EQ(fallback.back().id, "xkb.es.Spanish");
}

TEST(KeyboardListing, PrintsTextAndJson) {
    DetectedKeyboards detected{
        {{"xkb.ru.Russian", "Russian", "Russian"}, {"xkb.x.Q\"uote", "Back\\slash", "Tab\there"}},
        false};
    EXPECT_EQ(KeyboardListing::text(detected),
              "xkb.ru.Russian\tRussian\tRussian\nxkb.x.Q\"uote\tBack\\slash\tTab\there\n");
    EXPECT_EQ(KeyboardListing::json(detected),
              "[{\"id\":\"xkb.ru.Russian\",\"name\":\"Russian\",\"localizedName\":\"Russian\"},"
              "{\"id\":\"xkb.x.Q\\\"uote\",\"name\":\"Back\\\\slash\",\"localizedName\":"
              "\"Tab\\u0009here\"}]\n");
    detected.isFallback = true;
    EXPECT_EQ(KeyboardListing::text(detected).rfind("# ", 0), 0u);
}

}  // namespace
}  // namespace korrelang::keyboards
