#pragma once

#include <string>
#include <string_view>

namespace korrelang::engine {

/// JSON string literals for the JSON the program writes itself (the command line's output, the
/// keyboard listing, the conversion log).
class JsonString {
public:
    /// How control characters below U+0020 are written.
    enum class ControlEscapes {
        Short,    ///< \b \f \n \r \t where JSON has them, \u00XX for the rest
        Unicode,  ///< \u00XX for all of them
    };

    /// `text` (UTF-8, passed through as it is) as a JSON string literal, quotes included.
    static std::string quoted(std::string_view text,
                              ControlEscapes escapes = ControlEscapes::Short);
    /// Appends quoted(text, escapes) to `out`.
    static void appendQuoted(std::string& out, std::string_view text,
                             ControlEscapes escapes = ControlEscapes::Short);
};

}  // namespace korrelang::engine
