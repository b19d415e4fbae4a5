#include "spelling_cache.h"

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "engine/log.h"

extern char** environ;

namespace korrelang::spelling {

namespace {

constexpr std::chrono::milliseconds kBuildPollInterval{20};

std::string hex(std::uint64_t value) {
    std::array<char, 17> text{};
    std::snprintf(text.data(), text.size(), "%016llx", static_cast<unsigned long long>(value));
    return text.data();
}

bool executable(const std::string& path) {
    return !path.empty() && access(path.c_str(), X_OK) == 0;
}

}  // namespace

SpellingCache::SpellingCache(std::string directory) : m_directory(std::move(directory)) {}

std::string SpellingCache::defaultDirectory() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache != nullptr && cache[0] == '/') {
        return std::string(cache) + "/korrelang/spelling";
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr && home[0] == '/' ? home : "/tmp") +
           "/.cache/korrelang/spelling";
}

std::string SpellingCache::helperPath() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::vector<std::string> candidates = {
        error ? std::string() : (self.parent_path() / "korrelang-spelling-cache").string(),
        KORRELANG_SPELLING_HELPER_INSTALLED,
        KORRELANG_SPELLING_HELPER_BUILT,
    };
    for (const std::string& candidate : candidates) {
        if (executable(candidate)) {
            return candidate;
        }
    }
    return {};
}

std::optional<std::uint64_t> SpellingCache::key(const std::string& base) {
    std::string identity = std::string(WordStore::kMagic.data(), WordStore::kMagic.size());
    identity += std::to_string(WordStore::kMostForms);
    for (const std::string& path : {base + ".aff", base + ".dic"}) {
        struct stat status {};
        if (stat(path.c_str(), &status) != 0) {
            return std::nullopt;
        }
        identity += '\0' + path + '\0' + std::to_string(status.st_size) + '\0' +
                    std::to_string(status.st_mtim.tv_sec) + '.' +
                    std::to_string(status.st_mtim.tv_nsec);
    }
    return WordStore::hash(identity);
}

std::string SpellingCache::storePath(const std::string& base) const {
    const std::string name = std::filesystem::path(base).filename().string();
    return m_directory + "/" + name + "-" + hex(WordStore::hash(base)).substr(0, 8) + ".words";
}

std::unique_ptr<WordStore> SpellingCache::openCached(const std::string& base) const {
    const auto expected = key(base);
    return expected ? WordStore::open(storePath(base), *expected) : nullptr;
}

std::unique_ptr<WordStore> SpellingCache::open(const std::string& base,
                                               const Cancelled& cancelled) const {
    const auto expected = key(base);
    if (!expected) {
        engine::Log::write("❌ Spelling: cannot read " + base + ".aff and " + base + ".dic");
        return nullptr;
    }
    if (auto store = WordStore::open(storePath(base), *expected)) {
        return store;
    }
    if (!build(base, cancelled)) {
        return nullptr;
    }
    auto store = WordStore::open(storePath(base), *expected);
    if (!store) {
        engine::Log::write("❌ Spelling: the word store of " + base +
                           " did not open after it was built");
    }
    return store;
}

bool SpellingCache::build(const std::string& base, const Cancelled& cancelled) const {
    const auto expected = key(base);
    const std::string helper = helperPath();
    if (!expected || helper.empty()) {
        engine::Log::write("❌ Spelling: cannot build the word store of " + base +
                           (helper.empty() ? " - korrelang-spelling-cache is not installed" : ""));
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(m_directory, error);
    const std::string path = storePath(base);
    const std::string keyText = hex(*expected);
    std::vector<std::string> arguments = {helper, base, path, keyText};
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, helper.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        engine::Log::write("❌ Spelling: cannot start " + helper);
        return false;
    }
    // Quitting must not wait for seconds of building: the build is checked on while it runs.
    int status = 0;
    while (true) {
        const pid_t done = waitpid(child, &status, cancelled ? WNOHANG : 0);
        if (done == child || (done < 0 && errno != EINTR)) {
            break;
        }
        if (done == 0 && cancelled()) {
            kill(child, SIGTERM);
            while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
            }
            engine::Log::write("📖 Spelling: stopped building " + path);
            return false;
        }
        if (done == 0) {
            std::this_thread::sleep_for(kBuildPollInterval);
        }
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        engine::Log::write("❌ Spelling: " + helper + " failed to build " + path);
        return false;
    }
    return true;
}

}  // namespace korrelang::spelling
