#pragma once

#include <linux/input-event-codes.h>

#include <array>
#include <cstdint>

namespace korrelang::engine {

/// A physical key position as a Linux input code (`KEY_*` of linux/input-event-codes.h), as the
/// kernel, libxkbcommon and Wayland name keys; an X keycode is this code plus 8.
using KeyCode = std::uint16_t;

/// The 47 character keys every layout table covers, row by row, left to right: the key left of
/// 1 through =, q through the backslash key, a through the apostrophe key, z through /.
inline constexpr std::array<KeyCode, 47>
    kCharacterKeys =
        {
            KEY_GRAVE,      KEY_1,     KEY_2,   KEY_3,         KEY_4,         KEY_5,
            KEY_6,          KEY_7,     KEY_8,   KEY_9,         KEY_0,         KEY_MINUS,
            KEY_EQUAL,  // ` 1 2 3 4 5 6 7 8 9 0 - =
            KEY_Q,          KEY_W,     KEY_E,   KEY_R,         KEY_T,         KEY_Y,
            KEY_U,          KEY_I,     KEY_O,   KEY_P,         KEY_LEFTBRACE, KEY_RIGHTBRACE,
            KEY_BACKSLASH,  // q w e r t y u i o p [ ] \ (backslash)
            KEY_A,          KEY_S,     KEY_D,   KEY_F,         KEY_G,         KEY_H,
            KEY_J,          KEY_K,     KEY_L,   KEY_SEMICOLON,
            KEY_APOSTROPHE,  // a s d f g h j k l ; '
            KEY_Z,          KEY_X,     KEY_C,   KEY_V,         KEY_B,         KEY_N,
            KEY_M,          KEY_COMMA, KEY_DOT, KEY_SLASH,  // z x c v b n m , . /
};

/// The character keys' codes are small; tables indexed by key code use this size.
inline constexpr std::size_t kKeyCodeLimit = 64;

}  // namespace korrelang::engine
