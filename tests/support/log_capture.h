#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "engine/log_line.h"

namespace korrelang::testing {

/// Collects the process's log lines while it lives, so that a test can assert on them. Lines may
/// arrive from any thread.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    /// The lines so far, rendered with the user's text shown or, with `showUserText` false, as
    /// the application shows them by default ("<N chars>").
    std::vector<std::string> lines(bool showUserText = true) const;
    /// Whether one of the lines (user text shown) is exactly `line`.
    bool contains(const std::string& line, bool showUserText = true) const;
    /// Whether one of the lines (user text shown) holds `fragment`.
    bool mentions(const std::string& fragment) const;
    /// Forgets the lines so far (a test's next step looks at its own lines only).
    void clear();

private:
    mutable std::mutex m_mutex;
    std::vector<engine::LogLine> m_lines;
};

}  // namespace korrelang::testing
