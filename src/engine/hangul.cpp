#include "hangul.h"

#include <array>

#include "unicode.h"

namespace korrelang::engine {

namespace {

constexpr char32_t kSyllableBase = 0xAC00;
constexpr char32_t kSyllableLast = 0xD7A3;
constexpr char32_t kFirstVowel = 0x314F;  // ㅏ; the 21 vowels follow in syllable order
constexpr char32_t kLastVowel = 0x3163;   // ㅣ
constexpr int kVowelCount = 21;
constexpr int kFinalCount = 28;  // including "no final"

// Initial consonants in syllable order.
constexpr std::array<char32_t, 19> kInitials = {
    0x3131, 0x3132, 0x3134, 0x3137, 0x3138, 0x3139, 0x3141, 0x3142, 0x3143, 0x3145,
    0x3146, 0x3147, 0x3148, 0x3149, 0x314A, 0x314B, 0x314C, 0x314D, 0x314E};
// Finals in syllable order; index 0 is "no final".
constexpr std::array<char32_t, kFinalCount> kFinals = {
    0,      0x3131, 0x3132, 0x3133, 0x3134, 0x3135, 0x3136, 0x3137, 0x3139, 0x313A,
    0x313B, 0x313C, 0x313D, 0x313E, 0x313F, 0x3140, 0x3141, 0x3142, 0x3144, 0x3145,
    0x3146, 0x3147, 0x3148, 0x314A, 0x314B, 0x314C, 0x314D, 0x314E};

struct Compound {
    char32_t first;
    char32_t second;
    char32_t combined;
};

constexpr std::array<Compound, 7> kCompoundVowels = {{{0x3157, 0x314F, 0x3158},
                                                      {0x3157, 0x3150, 0x3159},
                                                      {0x3157, 0x3163, 0x315A},
                                                      {0x315C, 0x3153, 0x315D},
                                                      {0x315C, 0x3154, 0x315E},
                                                      {0x315C, 0x3163, 0x315F},
                                                      {0x3161, 0x3163, 0x3162}}};

constexpr std::array<Compound, 11> kCompoundFinals = {{{0x3131, 0x3145, 0x3133},
                                                       {0x3134, 0x3148, 0x3135},
                                                       {0x3134, 0x314E, 0x3136},
                                                       {0x3139, 0x3131, 0x313A},
                                                       {0x3139, 0x3141, 0x313B},
                                                       {0x3139, 0x3142, 0x313C},
                                                       {0x3139, 0x3145, 0x313D},
                                                       {0x3139, 0x314C, 0x313E},
                                                       {0x3139, 0x314D, 0x313F},
                                                       {0x3139, 0x314E, 0x3140},
                                                       {0x3142, 0x3145, 0x3144}}};

template <std::size_t N>
char32_t combine(const std::array<Compound, N>& table, char32_t first, char32_t second) {
    for (const Compound& compound : table) {
        if (compound.first == first && compound.second == second) {
            return compound.combined;
        }
    }
    return 0;
}

template <std::size_t N>
const Compound* split(const std::array<Compound, N>& table, char32_t combined) {
    for (const Compound& compound : table) {
        if (compound.combined == combined) {
            return &compound;
        }
    }
    return nullptr;
}

template <std::size_t N>
int indexOf(const std::array<char32_t, N>& table, char32_t jamo) {
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i] == jamo && jamo != 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool isVowel(char32_t jamo) {
    return jamo >= kFirstVowel && jamo <= kLastVowel;
}

void appendKeys(std::vector<char32_t>& keys, char32_t jamo) {
    const Compound* parts = split(kCompoundVowels, jamo);
    if (parts == nullptr) {
        parts = split(kCompoundFinals, jamo);
    }
    if (parts != nullptr) {
        keys.push_back(parts->first);
        keys.push_back(parts->second);
    } else {
        keys.push_back(jamo);
    }
}

}  // namespace

std::vector<char32_t> Hangul::keyJamo(char32_t codePoint) {
    std::vector<char32_t> keys;
    if (codePoint >= kSyllableBase && codePoint <= kSyllableLast) {
        const char32_t offset = codePoint - kSyllableBase;
        const char32_t initial = kInitials[offset / (kVowelCount * kFinalCount)];
        const char32_t vowel = kFirstVowel + (offset % (kVowelCount * kFinalCount)) / kFinalCount;
        const char32_t final = kFinals[offset % kFinalCount];
        keys.push_back(initial);
        appendKeys(keys, vowel);
        if (final != 0) {
            appendKeys(keys, final);
        }
    } else if (split(kCompoundVowels, codePoint) != nullptr ||
               split(kCompoundFinals, codePoint) != nullptr) {
        appendKeys(keys, codePoint);
    }
    return keys;
}

void HangulComposer::push(char32_t jamo) {
    if (isVowel(jamo)) {
        if (m_initial != 0 && m_vowel != 0 && m_final != 0) {
            // The final moves on to become the initial of the next syllable; a compound final
            // gives up only its second half.
            const Compound* parts = split(kCompoundFinals, m_final);
            const char32_t nextInitial = parts != nullptr ? parts->second : m_final;
            m_final = parts != nullptr ? parts->first : 0;
            emit();
            m_initial = nextInitial;
            m_vowel = jamo;
        } else if (m_vowel != 0) {
            if (const char32_t compound = combine(kCompoundVowels, m_vowel, jamo)) {
                m_vowel = compound;
            } else {
                emit();
                m_vowel = jamo;
            }
        } else {
            m_vowel = jamo;
        }
        return;
    }

    const bool canStart = indexOf(kInitials, jamo) >= 0;
    const bool canEnd = indexOf(kFinals, jamo) >= 0;
    if (m_initial != 0 && m_vowel != 0) {
        if (m_final != 0) {
            if (const char32_t compound = combine(kCompoundFinals, m_final, jamo)) {
                m_final = compound;
                return;
            }
        } else if (canEnd) {
            m_final = jamo;
            return;
        }
    }
    emit();
    if (canStart) {
        m_initial = jamo;
    } else {
        unicode::appendCodePoint(m_out, jamo);
    }
}

void HangulComposer::flush() {
    emit();
}

void HangulComposer::emit() {
    if (m_initial != 0 && m_vowel != 0) {
        const int initial = indexOf(kInitials, m_initial);
        const auto vowel = static_cast<int>(m_vowel - kFirstVowel);
        const int final = m_final != 0 ? indexOf(kFinals, m_final) : 0;
        unicode::appendCodePoint(
            m_out, kSyllableBase + static_cast<char32_t>(
                                       (initial * kVowelCount + vowel) * kFinalCount + final));
    } else {
        for (const char32_t jamo : {m_initial, m_vowel, m_final}) {
            if (jamo != 0) {
                unicode::appendCodePoint(m_out, jamo);
            }
        }
    }
    m_initial = m_vowel = m_final = 0;
}

}  // namespace korrelang::engine
