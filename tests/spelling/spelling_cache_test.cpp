#include "spelling/spelling_cache.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "spelling/spelling_dictionaries.h"
#include "support/log_capture.h"
#include "temporary_directory.h"

namespace korrelang::spelling {
namespace {

const std::string kAff = "SET UTF-8\nSFX S Y 1\nSFX S 0 s .\n";

std::vector<std::string> filesIn(const std::string& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

TEST(SpellingCache, BuildsOnceAndRebuildsWhenTheDictionaryChanges) {
    const TemporaryDirectory dictionaries;
    const TemporaryDirectory cacheFolder;
    dictionaries.write("en_US.aff", kAff);
    dictionaries.write("en_US.dic", "1\napple/S\n");
    const std::string base = dictionaries.path() + "/en_US";
    const SpellingCache cache(cacheFolder.path() + "/spelling");

    auto store = cache.open(base);
    ASSERT_TRUE(store);
    EXPECT_TRUE(store->contains("apples"));
    EXPECT_FALSE(store->contains("pears"));
    const auto built = std::filesystem::last_write_time(cache.storePath(base));

    // Opened again: the same file, not rebuilt.
    store = cache.open(base);
    ASSERT_TRUE(store);
    EXPECT_EQ(std::filesystem::last_write_time(cache.storePath(base)), built);

    dictionaries.write("en_US.dic", "2\napple/S\npear/S\n");
    store = cache.open(base);
    ASSERT_TRUE(store);
    EXPECT_TRUE(store->contains("pears"));
    EXPECT_EQ(filesIn(cacheFolder.path() + "/spelling").size(), 1U);  // no temporary left
}

// Test sessions share one cache folder, so several processes may build the same store at once:
// each must write its own temporary file and rename it, leaving one sound store and no litter.
TEST(SpellingCache, BuildersOfTheSameStoreAtOnceLeaveOneSoundStore) {
    const TemporaryDirectory dictionaries;
    const TemporaryDirectory cacheFolder;
    dictionaries.write("en_US.aff", kAff);
    std::string words = "20000\n";
    for (int i = 0; i < 20000; ++i) {
        words += "word" + std::to_string(i) + "/S\n";
    }
    dictionaries.write("en_US.dic", words);
    const std::string base = dictionaries.path() + "/en_US";
    const SpellingCache cache(cacheFolder.path());

    constexpr int kBuilders = 4;
    std::array<bool, kBuilders> built{};
    {
        std::vector<std::jthread> builders;
        for (int i = 0; i < kBuilders; ++i) {
            builders.emplace_back(
                [&, i] { built[static_cast<std::size_t>(i)] = cache.build(base); });
        }
    }
    for (const bool ok : built) {
        EXPECT_TRUE(ok);
    }
    const auto store = cache.openCached(base);
    ASSERT_TRUE(store);
    EXPECT_TRUE(store->contains("word19999s"));
    EXPECT_FALSE(store->contains("word20000"));
    EXPECT_EQ(filesIn(cacheFolder.path()).size(), 1U);
}

TEST(SpellingCache, DamagedStoresAreLoggedAndRebuilt) {
    const TemporaryDirectory dictionaries;
    const TemporaryDirectory cacheFolder;
    dictionaries.write("ru_RU.aff", kAff);
    dictionaries.write("ru_RU.dic", "2\nмир/S\nдом/S\n");
    const std::string base = dictionaries.path() + "/ru_RU";
    const SpellingCache cache(cacheFolder.path());
    ASSERT_TRUE(cache.open(base));
    const std::string path = cache.storePath(base);
    const auto size = std::filesystem::file_size(path);

    const std::vector<std::pair<std::string, std::function<void()>>> damages = {
        {"is corrupt",
         [&] {
             std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
             file.seekp(static_cast<std::streamoff>(size - 3));
             file.put('\x55');
         }},
        {"is truncated", [&] { std::filesystem::resize_file(path, size - 8); }},
        {"is truncated", [&] { std::filesystem::resize_file(path, 20); }},
        {"is not a word store",
         [&] { std::ofstream(path, std::ios::trunc) << std::string(200, 'x'); }},
    };
    for (const auto& [problem, damage] : damages) {
        damage();
        const testing::LogCapture log;
        const auto store = cache.open(base);
        ASSERT_TRUE(store) << problem;
        EXPECT_TRUE(store->contains("домs")) << problem;
        EXPECT_TRUE(log.mentions(problem)) << problem;
        EXPECT_EQ(std::filesystem::file_size(path), size) << problem;
    }
}

TEST(SpellingCache, WithoutAStoreHunspellChecksTheWords) {
    const TemporaryDirectory cacheFolder;
    cacheFolder.write("not-a-folder", "");
    SpellingDictionaries unwritable(SpellingDictionaries::systemDirectories(),
                                    cacheFolder.path() + "/not-a-folder");
    unwritable.load({"english"});
    EXPECT_EQ(unwritable.checkedBy("english"), "hunspell");
    EXPECT_TRUE(unwritable.isWord("english", "houses"));
    EXPECT_FALSE(unwritable.isWord("english", "ghbdtn"));

    SpellingDictionaries cached(SpellingDictionaries::systemDirectories(), cacheFolder.path());
    cached.load({"english"});
    EXPECT_EQ(cached.checkedBy("english"), "store");
    EXPECT_TRUE(cached.isWord("english", "houses"));
    EXPECT_FALSE(cached.isWord("english", "ghbdtn"));
}

}  // namespace
}  // namespace korrelang::spelling
