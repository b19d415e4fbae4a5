#include "log_writer.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "engine/log_line.h"
#include "engine/log_sink.h"

namespace korrelang::app {

namespace {

// CLOCK_MONOTONIC, the clock of time.monotonic() and of steady_clock in other processes.
std::string monotonicStamp() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "[%.3f] ",
                  std::chrono::duration<double, std::milli>(now).count());
    return stamp;
}

}  // namespace

LogWriter::LogWriter(bool showUserText)
    : m_showUserText(showUserText), m_withTimes(std::getenv("KORRELANG_LOG_TIMES") != nullptr) {
    engine::LogSink::install([this](const engine::LogLine& line) {
        static std::mutex mutex;
        const std::string text =
            (m_withTimes ? monotonicStamp() : std::string()) + line.render(m_showUserText);
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
