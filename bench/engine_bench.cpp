// Speed of the conversion engine: building the catalogue, and converting texts of several sizes
// typed on a US keyboard by someone who meant Russian. Logging goes nowhere, as in the
// application when nobody reads the log.

#include <benchmark/benchmark.h>

#include <random>

#include "engine/keyboard_mapping_registry.h"
#include "engine/layout_converter.h"
#include "engine/log_sink.h"

namespace {

using korrelang::engine::KeyboardMappingRegistry;
using korrelang::engine::LayoutConverter;

// Russian prose of about `bytes` bytes once typed on the US layout.
std::string typedOnUsLayout(std::size_t bytes) {
    static const std::vector<std::string> words = {
        "привет", "как",    "дела",  "сегодня", "хорошая", "погода", "мы",     "пойдём",
        "гулять", "в",      "парк",  "и",       "купим",   "мороженое", "Москва", "это",
        "город",  "который", "никогда", "не",    "спит",    "Спасибо", "большое", "друг"};
    const auto& registry = KeyboardMappingRegistry::shared();
    const auto russian = *registry.mappingFor("xkb.ru.Russian");
    const auto english = *registry.mappingFor("xkb.us.English");
    std::mt19937 random(7);
    std::string russianText;
    while (russianText.size() < bytes * 2) {
        russianText += words[random() % words.size()];
        russianText += (random() % 12 == 0) ? ". " : " ";
    }
    std::string typed = LayoutConverter().mapCharacters(russianText, russian, english);
    typed.resize(bytes);
    while (!typed.empty() && (static_cast<unsigned char>(typed.back()) & 0x80) != 0) {
        typed.pop_back();
    }
    return typed;
}

void BM_RegistryBuild(benchmark::State& state) {
    for (auto _ : state) {
        auto registry = KeyboardMappingRegistry::build();
        benchmark::DoNotOptimize(registry);
    }
}
BENCHMARK(BM_RegistryBuild)->Unit(benchmark::kMicrosecond);

void BM_Convert(benchmark::State& state) {
    korrelang::engine::LogSink::install([](const korrelang::engine::LogLine&) {});
    const std::string text = typedOnUsLayout(static_cast<std::size_t>(state.range(0)));
    std::vector<std::string> layouts = {"xkb.us.English", "xkb.ru.Russian"};
    if (state.range(1) == 5) {
        layouts = {"xkb.us.English", "xkb.il.Hebrew", "xkb.de.German", "xkb.ua.Ukrainian",
                   "xkb.ru.Russian"};
    }
    const LayoutConverter converter;
    for (auto _ : state) {
        auto result = converter.convert(text, layouts, std::nullopt, std::nullopt);
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
    korrelang::engine::LogSink::install(nullptr);
}
BENCHMARK(BM_Convert)
    ->ArgNames({"bytes", "layouts"})
    ->Args({100, 2})
    ->Args({10'000, 2})
    ->Args({1'000'000, 2})
    ->Args({100, 5})
    ->Args({10'000, 5})
    ->Args({1'000'000, 5})
    ->Unit(benchmark::kMicrosecond);

// A caseless source converted to a cased target runs the sentence-capital pass as well.
void BM_ConvertHebrewToEnglish(benchmark::State& state) {
    const auto& registry = KeyboardMappingRegistry::shared();
    const std::string english = typedOnUsLayout(1'000'000);
    const std::string hebrew = LayoutConverter().mapCharacters(
        english, *registry.mappingFor("xkb.us.English"), *registry.mappingFor("xkb.il.Hebrew"));
    const std::vector<std::string> layouts = {"xkb.us.English", "xkb.il.Hebrew"};
    const LayoutConverter converter;
    for (auto _ : state) {
        auto result = converter.convert(hebrew, layouts, std::nullopt, std::nullopt);
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(hebrew.size()));
}
BENCHMARK(BM_ConvertHebrewToEnglish)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
