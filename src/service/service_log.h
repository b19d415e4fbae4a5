#pragma once

#include <string>
#include <string_view>

#include "engine/grapheme_cursor.h"
#include "engine/log.h"
#include "engine/log_line.h"
#include "engine/log_sink.h"

namespace korrelang::service::servicelog {

/// A line without the user's text.
inline void say(std::string_view text) {
    engine::Log::write(text);
}

/// A line with the user's text between two plain parts; the sink decides whether the text
/// itself is shown.
inline void sayText(std::string_view before, std::string_view text, std::string_view after) {
    engine::Log::writeUserText(before, text, after);
}

inline std::string boolText(bool value) {
    return value ? "true" : "false";
}

}  // namespace korrelang::service::servicelog
