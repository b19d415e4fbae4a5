#pragma once

#include <atomic>

namespace korrelang::app {

/// The application's log: every diagnostic line on standard output, flushed line by line so
/// that pipes and files see it at once. The user's text shows only while debug output is on;
/// otherwise "<N chars>" stands in its place.
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
};

}  // namespace korrelang::app
