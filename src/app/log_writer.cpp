#include "log_writer.h"

#include <cstdio>
#include <mutex>

#include "engine/log_line.h"
#include "engine/log_sink.h"

namespace korrelang::app {

LogWriter::LogWriter(bool showUserText) : m_showUserText(showUserText) {
    engine::LogSink::install([this](const engine::LogLine& line) {
        static std::mutex mutex;
        const std::string text = line.render(m_showUserText);
        const std::lock_guard lock(mutex);
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    });
}

LogWriter::~LogWriter() {
    engine::LogSink::install({});
}

}  // namespace korrelang::app
