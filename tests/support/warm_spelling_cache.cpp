// korrelang_warm_spelling_cache DIRECTORY ID...: builds in DIRECTORY the word stores of the
// dictionaries of the given catalogue ids (those the desktop has), as korrelang does on its
// first start. The session tests run it once so that every fresh session finds the stores built
// instead of spending seconds of CPU on them while the tests run. A layout without a dictionary
// is fine; a dictionary whose store cannot be built fails.

#include <cstdio>
#include <string>
#include <vector>

#include "engine/log_line.h"
#include "engine/log_sink.h"
#include "spelling/spelling_dictionaries.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: korrelang_warm_spelling_cache DIRECTORY ID...\n");
        return 2;
    }
    korrelang::engine::LogSink::install([](const korrelang::engine::LogLine& line) {
        std::fprintf(stderr, "%s\n", line.render(true).c_str());
    });
    const std::vector<std::string> ids(argv + 2, argv + argc);
    korrelang::spelling::SpellingDictionaries dictionaries(
        korrelang::spelling::SpellingDictionaries::systemDirectories(), argv[1]);
    dictionaries.load(ids);
    int status = 0;
    for (const std::string& id : ids) {
        if (dictionaries.checkedBy(id) == "hunspell") {
            std::fprintf(stderr, "korrelang_warm_spelling_cache: no word store for %s\n",
                         id.c_str());
            status = 1;
        }
    }
    return status;
}
