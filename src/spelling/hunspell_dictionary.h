#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <string_view>

class Hunspell;
struct UConverter;

namespace korrelang::spelling {

/// One Hunspell dictionary (an .aff and a .dic file), checked from any thread.
class HunspellDictionary {
public:
    /// Loads `base`.aff and `base`.dic. Returns nothing, after a log line, when either file is
    /// missing or unreadable or the dictionary's character set is unknown.
    static std::unique_ptr<HunspellDictionary> load(const std::string& base);

    ~HunspellDictionary();
    HunspellDictionary(const HunspellDictionary&) = delete;
    HunspellDictionary& operator=(const HunspellDictionary&) = delete;

    /// Whether `word` (UTF-8) is spelled right. A word the dictionary's character set cannot
    /// hold is not.
    bool check(std::string_view word) const;

    const std::string& base() const { return m_base; }

private:
    struct ConverterCloser {
        void operator()(UConverter* converter) const;
    };

    HunspellDictionary(std::string base, std::unique_ptr<Hunspell> hunspell,
                       std::unique_ptr<UConverter, ConverterCloser> converter);

    std::string m_base;
    // Hunspell keeps scratch state while checking, so one check runs at a time.
    mutable std::mutex m_mutex;
    std::unique_ptr<Hunspell> m_hunspell;
    // For a dictionary not in UTF-8: UTF-8 words are converted to its character set.
    std::unique_ptr<UConverter, ConverterCloser> m_converter;
};

}  // namespace korrelang::spelling
