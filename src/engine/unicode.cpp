#include "unicode.h"

#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <cstdint>
#include <cstring>

#include "code_point_traits.h"

namespace korrelang::engine::unicode {

bool isValidUtf8(std::string_view text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t length = text.size();
    const auto continuation = [bytes](std::size_t at) { return (bytes[at] & 0xC0) == 0x80; };
    std::size_t i = 0;
    while (i < length) {
        // Skip ASCII eight bytes at a time.
        while (i + 8 <= length) {
            std::uint64_t word = 0;
            std::memcpy(&word, bytes + i, sizeof word);
            if ((word & 0x8080808080808080ULL) != 0) {
                break;
            }
            i += 8;
        }
        if (i >= length) {
            break;
        }
        const unsigned char lead = bytes[i];
        if (lead < 0x80) {
            ++i;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            if (i + 1 >= length || !continuation(i + 1)) {
                return false;
            }
            i += 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            // No overlong forms (E0 80–9F) and no surrogates (ED A0–BF).
            const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
            const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
            if (i + 2 >= length || bytes[i + 1] < low || bytes[i + 1] > high ||
                !continuation(i + 2)) {
                return false;
            }
            i += 3;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            // No overlong forms (F0 80–8F) and nothing past U+10FFFF (F4 90–BF).
            const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
            const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
            if (i + 3 >= length || bytes[i + 1] < low || bytes[i + 1] > high ||
                !continuation(i + 2) || !continuation(i + 3)) {
                return false;
            }
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

char32_t firstCodePoint(std::string_view text) {
    if (text.empty()) {
        return 0xFFFD;
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    int32_t i = 0;
    UChar32 c = 0;
    U8_NEXT_OR_FFFD(bytes, i, static_cast<int32_t>(text.size()), c);
    return static_cast<char32_t>(c);
}

std::size_t codePointCount(std::string_view text) {
    std::size_t count = 0;
    for (const char byte : text) {
        // Every code point has exactly one byte that is not a continuation byte.
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

void appendCodePoint(std::string& out, char32_t codePoint) {
    char buffer[4];
    int32_t length = 0;
    UBool error = false;
    U8_APPEND(reinterpret_cast<uint8_t*>(buffer), length, 4, static_cast<UChar32>(codePoint),
              error);
    if (!error) {
        out.append(buffer, static_cast<std::size_t>(length));
    }
}

std::string toUtf8(std::u32string_view text) {
    std::string result;
    result.reserve(text.size());
    for (const char32_t codePoint : text) {
        appendCodePoint(result, codePoint);
    }
    return result;
}

std::string toNFC(std::string_view text) {
    // Text whose code points are all certainly in NFC, with marks already in canonical order,
    // needs no normaliser.
    bool certain = true;
    uint8_t previousClass = 0;
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    for (int32_t i = 0; i < length && certain;) {
        UChar32 c = 0;
        U8_NEXT_OR_FFFD(bytes, i, length, c);
        const uint8_t combiningClass = u_getCombiningClass(c);
        certain = (CodePointTraits::of(static_cast<char32_t>(c)) &
                   (CodePointTraits::kNotNfc | CodePointTraits::kNfcMaybe)) == 0 &&
                  (combiningClass == 0 || previousClass <= combiningClass);
        previousClass = combiningClass;
    }
    if (certain) {
        return std::string(text);
    }
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) {
        return std::string(text);
    }
    const icu::UnicodeString source = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    if (nfc->isNormalized(source, status) && U_SUCCESS(status)) {
        return std::string(text);
    }
    status = U_ZERO_ERROR;
    const icu::UnicodeString normalized = nfc->normalize(source, status);
    if (U_FAILURE(status)) {
        return std::string(text);
    }
    std::string out;
    normalized.toUTF8String(out);
    return out;
}

bool isWhitespace(char32_t codePoint) {
    return u_hasBinaryProperty(static_cast<UChar32>(codePoint), UCHAR_WHITE_SPACE);
}

bool isAlphabetic(char32_t codePoint) {
    return u_hasBinaryProperty(static_cast<UChar32>(codePoint), UCHAR_ALPHABETIC);
}

std::string toUpper(std::string_view text) {
    icu::UnicodeString value = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    value.toUpper(icu::Locale::getRoot());
    std::string out;
    value.toUTF8String(out);
    return out;
}

std::string toLower(std::string_view text) {
    bool ascii = true;
    for (const char byte : text) {
        ascii = ascii && static_cast<unsigned char>(byte) < 0x80;
    }
    if (ascii) {
        std::string out(text);
        for (char& byte : out) {
            if (byte >= 'A' && byte <= 'Z') {
                byte = static_cast<char>(byte - 'A' + 'a');
            }
        }
        return out;
    }
    icu::UnicodeString value = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    value.toLower(icu::Locale::getRoot());
    std::string out;
    value.toUTF8String(out);
    return out;
}

}  // namespace korrelang::engine::unicode
