#pragma once

#include <string>
#include <vector>

namespace korrelang::engine {

/// Hangul on a two-set keyboard: the jamo keys that type a syllable, and the composition of
/// typed jamo back into syllables.
///
/// Jamo are the compatibility jamo a two-set keyboard types (U+3131–U+3163). Compound vowels
/// and finals are typed as two keys (ㅘ = ㅗ ㅏ, ㄳ = ㄱ ㅅ); the double consonants ㄲ ㄸ ㅃ ㅆ ㅉ
/// are single shifted keys.
class Hangul {
public:
    /// The key jamo of a precomposed syllable (U+AC00–U+D7A3) or of a compound compatibility
    /// jamo; empty for any other code point.
    static std::vector<char32_t> keyJamo(char32_t codePoint);

    static bool isJamo(char32_t codePoint) { return codePoint >= 0x3131 && codePoint <= 0x3163; }
};

/// Composes a run of typed jamo into syllables, the way a two-set input method does: a
/// consonant after a vowel becomes the final until a following vowel claims it as the next
/// initial; adjacent vowels and finals merge into compounds where Hangul has them.
class HangulComposer {
public:
    explicit HangulComposer(std::string& out) : m_out(out) {}
    ~HangulComposer() { flush(); }
    HangulComposer(const HangulComposer&) = delete;
    HangulComposer& operator=(const HangulComposer&) = delete;

    /// Feeds one jamo (see Hangul::isJamo).
    void push(char32_t jamo);
    /// Writes whatever is pending; the next jamo starts a new run.
    void flush();

private:
    void emit();

    std::string& m_out;
    char32_t m_initial = 0;
    char32_t m_vowel = 0;
    char32_t m_final = 0;
};

}  // namespace korrelang::engine
