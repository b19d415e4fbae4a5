#pragma once

#include <string_view>

namespace korrelang::engine {

/// Writes diagnostic lines through the process's LogSink; nothing is built while no writer is
/// installed.
class Log {
public:
    /// A line without the user's text.
    static void write(std::string_view plain);
    /// A line with the user's text between two plain parts; the writer decides whether the text
    /// itself is shown.
    static void writeUserText(std::string_view before, std::string_view text,
                              std::string_view after);
};

}  // namespace korrelang::engine
