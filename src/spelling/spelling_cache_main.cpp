// korrelang-spelling-cache BASE OUTPUT KEY: builds the word store of the Hunspell dictionary BASE
// (BASE.aff, BASE.dic) into OUTPUT for SpellingCache, in a process of its own so that expanding
// the dictionary never raises the tray program's memory. Exits 0 when the store was written.

#include <charconv>
#include <cstdio>
#include <string_view>

#include "engine/log_line.h"
#include "engine/log_sink.h"
#include "word_store_builder.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: korrelang-spelling-cache BASE OUTPUT KEY\n");
        return 2;
    }
    const std::string_view keyText = argv[3];
    std::uint64_t key = 0;
    const auto [end, error] =
        std::from_chars(keyText.data(), keyText.data() + keyText.size(), key, 16);
    if (error != std::errc() || end != keyText.data() + keyText.size()) {
        std::fprintf(stderr, "korrelang-spelling-cache: the key must be hexadecimal\n");
        return 2;
    }
    korrelang::engine::LogSink::install([](const korrelang::engine::LogLine& line) {
        std::fprintf(stderr, "%s\n", line.render(false).c_str());
    });
    return korrelang::spelling::WordStoreBuilder::build(argv[1], argv[2], key) ? 0 : 1;
}
