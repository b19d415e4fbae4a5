#pragma once

#include <string>
#include <string_view>

namespace korrelang::cli {

/// Just enough JSON for the command line's output: escaped strings, written as UTF-8.
class JsonWriter {
public:
    /// `text` as a JSON string literal, quotes included.
    static std::string quoted(std::string_view text);
};

}  // namespace korrelang::cli
