#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "engine/word_scorer.h"
#include "hunspell_dictionary.h"
#include "spelling_cache.h"
#include "word_store.h"

namespace korrelang::spelling {

/// The desktop's spelling dictionaries as the converter's word check: for each catalogue layout,
/// the first of its language's dictionaries (LanguageTags) found in the dictionary folders.
/// Each is checked through its word store (SpellingCache), a few megabytes mapped from the
/// cache folder; a dictionary too large to store, or whose store cannot be built, is checked by
/// Hunspell itself, with the tens of megabytes that takes.
///
/// Nothing is loaded until asked: load() blocks, loadInBackground() queues the work for a
/// low-priority thread of its own, and until a layout's dictionary has loaded that layout is not
/// covered, so a conversion meanwhile follows the usual rules. Switched off, nothing is covered.
/// Every member may be called from any thread.
class SpellingDictionaries final : public engine::WordScorer {
public:
    /// `directories` are searched in order for NAME.aff and NAME.dic; the word stores are kept
    /// in `cacheDirectory`.
    explicit SpellingDictionaries(std::vector<std::string> directories = systemDirectories(),
                                  std::string cacheDirectory = SpellingCache::defaultDirectory());
    ~SpellingDictionaries() override;
    SpellingDictionaries(const SpellingDictionaries&) = delete;
    SpellingDictionaries& operator=(const SpellingDictionaries&) = delete;

    /// "hunspell" under each of $XDG_DATA_DIRS (default /usr/local/share:/usr/share).
    static std::vector<std::string> systemDirectories();

    /// The dictionary base path (without .aff/.dic) for catalogue id `mappingID`, or "".
    std::string find(std::string_view mappingID) const;

    /// Loads the dictionaries of these catalogue ids that are not loaded yet; a dictionary that
    /// serves two layouts (English and Dvorak) is loaded once.
    void load(const std::vector<std::string>& mappingIDs);
    /// Like load(), on the background thread; returns at once.
    void loadInBackground(const std::vector<std::string>& mappingIDs);
    /// Blocks until the background thread has nothing left to load.
    void waitUntilLoaded();

    /// Whether a missing word store is built (seconds of work for a large dictionary) or the
    /// dictionary checked by Hunspell instead; on by default. A one-off conversion turns it off.
    void setBuildStores(bool build) { m_buildStores = build; }

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }

    /// The catalogue ids whose dictionary has loaded.
    std::vector<std::string> loadedIDs() const;

    bool covers(std::string_view mappingID) const override;
    bool isWord(std::string_view mappingID, std::string_view word) const override;

    /// How the dictionary of `mappingID` is checked: "store", "hunspell", or "" when none is
    /// loaded.
    std::string checkedBy(std::string_view mappingID) const;

private:
    // One loaded dictionary: its word store, or Hunspell where there is none.
    struct Dictionary {
        std::unique_ptr<WordStore> store;
        std::unique_ptr<HunspellDictionary> hunspell;
        bool check(std::string_view word) const;
    };

    std::shared_ptr<const Dictionary> dictionaryFor(std::string_view mappingID) const;
    std::shared_ptr<const Dictionary> loadDictionary(const std::string& base) const;
    void runBackground();

    const std::vector<std::string> m_directories;
    const SpellingCache m_cache;
    std::atomic<bool> m_enabled = true;
    std::atomic<bool> m_buildStores = true;
    std::atomic<bool> m_closing = false;  // stops a build under way and the loading after it

    mutable std::shared_mutex m_mutex;
    std::map<std::string, std::shared_ptr<const Dictionary>, std::less<>> m_byMapping;
    std::map<std::string, std::shared_ptr<const Dictionary>, std::less<>> m_byBase;
    std::set<std::string, std::less<>> m_missing;  // ids without a dictionary, logged once

    std::mutex m_queueMutex;
    std::condition_variable m_queueChanged;
    std::deque<std::vector<std::string>> m_queue;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;
};

}  // namespace korrelang::spelling
