#include "unicode.h"

#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

namespace korrelang::engine::unicode {

bool isValidUtf8(std::string_view text) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    if (text.size() > static_cast<std::size_t>(INT32_MAX)) {
        return false;
    }
    int32_t i = 0;
    while (i < length) {
        if (bytes[i] < 0x80) {
            ++i;
            continue;
        }
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) {
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

std::string toNFC(std::string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) {
        return std::string(text);
    }
    const icu::UnicodeString source =
        icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
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
    icu::UnicodeString value =
        icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
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
    icu::UnicodeString value =
        icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    value.toLower(icu::Locale::getRoot());
    std::string out;
    value.toUTF8String(out);
    return out;
}

}  // namespace korrelang::engine::unicode
