#pragma once

#include <string_view>

#include "engine/log.h"
#include "engine/log_line.h"
#include "engine/log_sink.h"

namespace korrelang::platform {

/// Writes one diagnostic line without user text through the process's log sink.
inline void logLine(std::string_view text) {
    engine::Log::write(text);
}

}  // namespace korrelang::platform
