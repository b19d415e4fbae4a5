#pragma once

#include <array>
#include <cstdint>

namespace korrelang::engine {

/// A physical key position as a platform-neutral virtual key code (the values the layout tables,
/// synthetic key presses and shortcuts use; only the X11 back end translates them).
using KeyCode = std::uint16_t;

/// The 47 character keys every layout table covers, row by row, left to right: the key left of
/// 1 through =, q through the backslash key, a through the apostrophe key, z through /.
inline constexpr std::array<KeyCode, 47> kCharacterKeys = {
    50, 18, 19, 20, 21, 23, 22, 26, 28, 25, 29, 27, 24,  // ` 1 2 3 4 5 6 7 8 9 0 - =
    12, 13, 14, 15, 17, 16, 32, 34, 31, 35, 33, 30, 42,  // q w e r t y u i o p [ ] \ (backslash)
    0,  1,  2,  3,  5,  4,  38, 40, 37, 41, 39,          // a s d f g h j k l ; '
    6,  7,  8,  9,  11, 45, 46, 43, 47, 44,              // z x c v b n m , . /
};

/// Key codes are small; tables indexed by key code use this size.
inline constexpr std::size_t kKeyCodeLimit = 64;

}  // namespace korrelang::engine
