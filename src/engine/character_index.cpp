#include "character_index.h"

#include "unicode.h"

namespace korrelang::engine {

std::int32_t CharacterIndex::intern(std::string_view nfc) {
    const std::int32_t existing = find(nfc);
    if (existing != kAbsent) {
        return existing;
    }
    const auto number = static_cast<std::int32_t>(m_size++);
    if (unicode::codePointCount(nfc) == 1) {
        const char32_t codePoint = unicode::firstCodePoint(nfc);
        if (codePoint < kDirectLimit) {
            m_direct[codePoint] = number;
        } else {
            m_codePoints.emplace(codePoint, number);
        }
    } else {
        m_strings.emplace(std::string(nfc), number);
    }
    return number;
}

std::int32_t CharacterIndex::find(std::string_view nfc) const {
    if (nfc.empty()) {
        return kAbsent;
    }
    if (unicode::codePointCount(nfc) == 1) {
        return findCodePoint(unicode::firstCodePoint(nfc));
    }
    const auto it = m_strings.find(std::string(nfc));
    return it == m_strings.end() ? kAbsent : it->second;
}

}  // namespace korrelang::engine
