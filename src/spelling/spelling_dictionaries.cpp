#include "spelling_dictionaries.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "engine/log.h"
#include "language_tags.h"

namespace korrelang::spelling {

namespace {

// Loading parses megabytes of word lists: it must not compete with the desktop or a press.
constexpr int kBackgroundNiceness = 10;

}  // namespace

SpellingDictionaries::SpellingDictionaries(std::vector<std::string> directories,
                                           std::string cacheDirectory)
    : m_directories(std::move(directories)), m_cache(std::move(cacheDirectory)) {}

SpellingDictionaries::~SpellingDictionaries() {
    m_closing = true;
    {
        const std::lock_guard lock(m_queueMutex);
        m_stopping = true;
        m_queue.clear();
    }
    m_queueChanged.notify_all();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

std::vector<std::string> SpellingDictionaries::systemDirectories() {
    const char* variable = std::getenv("XDG_DATA_DIRS");
    std::string list =
        variable != nullptr && *variable != '\0' ? variable : "/usr/local/share:/usr/share";
    std::vector<std::string> directories;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t colon = std::min(list.find(':', start), list.size());
        const std::string directory = list.substr(start, colon - start);
        if (!directory.empty() && directory.front() == '/') {
            directories.push_back(directory + "/hunspell");
        }
        start = colon + 1;
    }
    return directories;
}

std::string SpellingDictionaries::find(std::string_view mappingID) const {
    for (const std::string& name : LanguageTags::forMapping(mappingID)) {
        for (const std::string& directory : m_directories) {
            const std::string base = directory + "/" + name;
            std::error_code error;
            if (std::filesystem::is_regular_file(base + ".dic", error) &&
                std::filesystem::is_regular_file(base + ".aff", error)) {
                return base;
            }
        }
    }
    return {};
}

void SpellingDictionaries::load(const std::vector<std::string>& mappingIDs) {
    for (const std::string& id : mappingIDs) {
        if (m_closing) {
            return;
        }
        {
            const std::shared_lock lock(m_mutex);
            if (m_byMapping.count(id) > 0 || m_missing.count(id) > 0) {
                continue;
            }
        }
        const std::string base = find(id);
        if (base.empty()) {
            engine::Log::write("📖 Spelling: no dictionary for " + id +
                               " - the usual rules choose it");
            const std::unique_lock lock(m_mutex);
            m_missing.insert(id);
            continue;
        }
        std::shared_ptr<const Dictionary> dictionary;
        {
            const std::shared_lock lock(m_mutex);
            if (const auto found = m_byBase.find(base); found != m_byBase.end()) {
                dictionary = found->second;
            }
        }
        if (!dictionary) {
            const auto started = std::chrono::steady_clock::now();
            dictionary = loadDictionary(base);
            if (!dictionary) {
                const std::unique_lock lock(m_mutex);
                m_missing.insert(id);
                continue;
            }
            const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - started);
            engine::Log::write(
                "📖 Spelling: loaded " + base + ".dic for " + id + " in " +
                std::to_string(elapsed.count()) + " ms" +
                (dictionary->store ? ", " + std::to_string(dictionary->store->mappedBytes() >> 10) +
                                         " KB of word forms"
                                   : " with Hunspell"));
        }
        const std::unique_lock lock(m_mutex);
        m_byBase.emplace(base, dictionary);
        m_byMapping.emplace(id, dictionary);
    }
}

void SpellingDictionaries::loadInBackground(const std::vector<std::string>& mappingIDs) {
    {
        const std::lock_guard lock(m_queueMutex);
        if (m_stopping) {
            return;
        }
        m_queue.push_back(mappingIDs);
        if (!m_thread.joinable()) {
            m_thread = std::thread([this] { runBackground(); });
        }
    }
    m_queueChanged.notify_all();
}

void SpellingDictionaries::runBackground() {
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), kBackgroundNiceness);
    std::unique_lock lock(m_queueMutex);
    while (true) {
        m_queueChanged.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_stopping) {
            return;
        }
        const std::vector<std::string> ids = std::move(m_queue.front());
        m_queue.pop_front();
        m_busy = true;
        lock.unlock();
        load(ids);
        lock.lock();
        m_busy = false;
        m_queueChanged.notify_all();
    }
}

void SpellingDictionaries::waitUntilLoaded() {
    std::unique_lock lock(m_queueMutex);
    m_queueChanged.wait(lock, [this] { return m_stopping || (m_queue.empty() && !m_busy); });
}

std::vector<std::string> SpellingDictionaries::loadedIDs() const {
    const std::shared_lock lock(m_mutex);
    std::vector<std::string> ids;
    for (const auto& [id, dictionary] : m_byMapping) {
        ids.push_back(id);
    }
    return ids;
}

std::shared_ptr<const SpellingDictionaries::Dictionary> SpellingDictionaries::loadDictionary(
    const std::string& base) const {
    auto dictionary = std::make_shared<Dictionary>();
    dictionary->store = m_buildStores ? m_cache.open(base, [this] { return m_closing.load(); })
                                      : m_cache.openCached(base);
    if (m_closing) {
        return nullptr;
    }
    if (dictionary->store && dictionary->store->isTooLarge()) {
        dictionary->store.reset();
        engine::Log::write("📖 Spelling: " + base +
                           ".dic has too many word forms to store - Hunspell checks it");
    } else if (!dictionary->store) {
        engine::Log::write("📖 Spelling: no word store for " + base + ".dic - Hunspell checks it");
    }
    if (!dictionary->store) {
        dictionary->hunspell = HunspellDictionary::load(base);
        if (!dictionary->hunspell) {
            return nullptr;
        }
    }
    return dictionary;
}

bool SpellingDictionaries::Dictionary::check(std::string_view word) const {
    return store ? store->contains(word) : hunspell && hunspell->check(word);
}

std::string SpellingDictionaries::checkedBy(std::string_view mappingID) const {
    const auto dictionary = dictionaryFor(mappingID);
    return !dictionary ? "" : dictionary->store ? "store" : "hunspell";
}

std::shared_ptr<const SpellingDictionaries::Dictionary> SpellingDictionaries::dictionaryFor(
    std::string_view mappingID) const {
    const std::shared_lock lock(m_mutex);
    const auto found = m_byMapping.find(mappingID);
    return found == m_byMapping.end() ? nullptr : found->second;
}

bool SpellingDictionaries::covers(std::string_view mappingID) const {
    return m_enabled && dictionaryFor(mappingID) != nullptr;
}

bool SpellingDictionaries::isWord(std::string_view mappingID, std::string_view word) const {
    const auto dictionary = dictionaryFor(mappingID);
    return m_enabled && dictionary && dictionary->check(word);
}

}  // namespace korrelang::spelling
