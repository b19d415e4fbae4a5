// Cost of the word check: a 100-character text scored as words of three languages, and whole
// conversions with and without the dictionaries. Logging goes nowhere.

#include <benchmark/benchmark.h>

#include "engine/grapheme_cursor.h"
#include "engine/keyboard_mapping_registry.h"
#include "engine/layout_converter.h"
#include "engine/word_share.h"
#include "spelling/spelling_dictionaries.h"

namespace {

using korrelang::engine::GraphemeCursor;
using korrelang::engine::KeyboardMappingRegistry;
using korrelang::engine::LayoutConverter;
using korrelang::engine::WordShare;
using korrelang::spelling::SpellingDictionaries;

const std::string kRussian =
    "Не удалось открыть файл, потому что у вас нет прав на чтение. Попросите владельца "
    "дать доступ к нему";

const SpellingDictionaries& dictionaries() {
    static const SpellingDictionaries* loaded = [] {
        auto* result = new SpellingDictionaries();
        result->load({"english", "german", "russian", "ukrainian"});
        return result;
    }();
    return *loaded;
}

std::string typedOn(const std::string& text, const char* meant, const char* typed) {
    const auto& registry = KeyboardMappingRegistry::shared();
    return LayoutConverter().mapCharacters(text, *registry.mappingFor(meant),
                                           *registry.mappingFor(typed));
}

// The three readings of one typed text that a three-layout user's press compares.
void BM_ScoreThreeCandidates(benchmark::State& state) {
    const SpellingDictionaries& words = dictionaries();
    const std::string typed = typedOn(kRussian, "xkb.ru.Russian", "xkb.us.English");
    const std::vector<std::pair<std::string, std::string>> candidates = {
        {"russian", kRussian},
        {"ukrainian", typedOn(typed, "xkb.us.English", "xkb.ua.Ukrainian")},
        {"german", typedOn(typed, "xkb.us.English", "xkb.de.German")},
    };
    for (auto _ : state) {
        for (const auto& [id, text] : candidates) {
            benchmark::DoNotOptimize(WordShare::of(text, id, words));
        }
    }
    state.counters["chars"] = static_cast<double>(GraphemeCursor::count(kRussian));
}
BENCHMARK(BM_ScoreThreeCandidates)->Unit(benchmark::kMicrosecond);

// A whole press on that text with three layouts: 0 the rules alone, 1 with the dictionaries.
void BM_ConvertThreeLayouts(benchmark::State& state) {
    const std::string typed = typedOn(kRussian, "xkb.ru.Russian", "xkb.us.English");
    const std::vector<std::string> layouts = {"xkb.us.English", "xkb.ru.Russian",
                                              "xkb.ua.Ukrainian"};
    const LayoutConverter converter(state.range(0) == 1 ? &dictionaries() : nullptr);
    for (auto _ : state) {
        auto result = converter.convert(typed, layouts, "xkb.us.English", std::nullopt);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ConvertThreeLayouts)->ArgName("words")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
