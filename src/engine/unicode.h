#pragma once

#include <string>
#include <string_view>

namespace korrelang::engine::unicode {

/// Whether `text` is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isValidUtf8(std::string_view text);

/// The first code point of valid UTF-8 `text`, or U+FFFD for empty text.
char32_t firstCodePoint(std::string_view text);

/// Number of code points of valid UTF-8 `text`.
std::size_t codePointCount(std::string_view text);

/// Appends `codePoint` to `out` as UTF-8.
void appendCodePoint(std::string& out, char32_t codePoint);

/// `text` as UTF-8; code points that UTF-8 cannot carry (surrogates, past U+10FFFF) are left out.
std::string toUtf8(std::u32string_view text);

/// Canonical composition (NFC) of valid UTF-8 `text`.
std::string toNFC(std::string_view text);

/// Unicode White_Space.
bool isWhitespace(char32_t codePoint);
/// Unicode Alphabetic.
bool isAlphabetic(char32_t codePoint);

/// Full upper-case mapping in the root locale ("ß" → "SS").
std::string toUpper(std::string_view text);
/// Full lower-case mapping in the root locale.
std::string toLower(std::string_view text);

}  // namespace korrelang::engine::unicode
