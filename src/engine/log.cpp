#include "log.h"

#include "grapheme_cursor.h"
#include "log_line.h"
#include "log_sink.h"

namespace korrelang::engine {

void Log::write(std::string_view plain) {
    if (LogSink::active()) {
        LogSink::write(LogLine(plain));
    }
}

void Log::writeUserText(std::string_view before, std::string_view text, std::string_view after) {
    if (!LogSink::active()) {
        return;
    }
    LogLine line(before);
    line.appendUserText(text, GraphemeCursor::count(text));
    line.append(after);
    LogSink::write(line);
}

}  // namespace korrelang::engine
