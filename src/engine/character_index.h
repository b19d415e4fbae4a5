#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korrelang::engine {

/// Gives every character that some layout types a small dense number, so that per-layout
/// indexes are flat arrays and a text is scored against many layouts with one lookup per
/// character. Characters are stored in NFC. Filled while a registry is built, read-only after.
class CharacterIndex {
public:
    static constexpr std::int32_t kAbsent = -1;

    /// Number of the NFC character `nfc`, adding it when new.
    std::int32_t intern(std::string_view nfc);

    /// Number of the NFC character `nfc`, or kAbsent.
    std::int32_t find(std::string_view nfc) const;
    /// Number of the one-code-point NFC character `codePoint`, or kAbsent.
    std::int32_t findCodePoint(char32_t codePoint) const {
        if (codePoint < kDirectLimit) {
            return m_direct[codePoint];
        }
        const auto it = m_codePoints.find(codePoint);
        return it == m_codePoints.end() ? kAbsent : it->second;
    }

    std::size_t size() const { return m_size; }

private:
    // Every script of the catalogue except Hangul syllables and presentation forms lies below
    // U+3400, so one flat table answers almost every lookup.
    static constexpr char32_t kDirectLimit = 0x3400;

    std::vector<std::int32_t> m_direct = std::vector<std::int32_t>(kDirectLimit, kAbsent);
    std::unordered_map<char32_t, std::int32_t> m_codePoints;
    std::unordered_map<std::string, std::int32_t> m_strings;  // characters of several code points
    std::size_t m_size = 0;
};

}  // namespace korrelang::engine
