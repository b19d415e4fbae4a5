#pragma once

#include <array>
#include <span>
#include <string_view>

#include "key_code.h"

namespace korrelang::engine {

/// One layout of the compiled-in catalogue, generated at build time from data/layouts.txt.
///
/// Invariants checked by the generator (a violation fails the build):
/// - the catalogue keeps the data file's order, and every `id` occurs once;
/// - `normal` and `shifted` hold exactly one text per key of kCharacterKeys, in that order, so
///   no table can name a key code twice or miss one;
/// - every text is valid UTF-8 with the notation resolved (∅ → "", ␠ → " ", the dotted-circle
///   prefix removed, ⟨U+XXXX⟩ → that code point), and a text starts with a combining mark
///   exactly when the data file marked it so.
struct LayoutTable {
    std::string_view id;
    std::string_view displayName;
    bool isRTL;
    bool isCaseSensitive;
    std::span<const std::string_view> layoutPatterns;
    std::array<std::string_view, kCharacterKeys.size()> normal;
    std::array<std::string_view, kCharacterKeys.size()> shifted;
};

/// The catalogue in its fixed order.
std::span<const LayoutTable> catalogueTables();

}  // namespace korrelang::engine
