#pragma once

#include <atomic>

namespace korrelang::app {

/// The application's log: every diagnostic line on standard output, flushed line by line so
/// that pipes and files see it at once. The user's text shows only while debug output is on;
/// otherwise "<N chars>" stands in its place. With KORRELANG_LOG_TIMES set in the environment,
/// each line starts with the monotonic clock in milliseconds, so that a benchmark can line the
/// steps of a press up with its own clock.
class LogWriter {
public:
    explicit LogWriter(bool showUserText);
    ~LogWriter();
    LogWriter(const LogWriter&) = delete;
    LogWriter& operator=(const LogWriter&) = delete;

    /// Lines are written from several threads; the switch may change at any time.
    void setShowUserText(bool show) { m_showUserText = show; }

private:
    std::atomic<bool> m_showUserText;
    const bool m_withTimes;
};

}  // namespace korrelang::app
