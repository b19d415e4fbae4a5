#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "engine/log_sink.h"

namespace korrelang::engine::testing {

/// Collects the log lines written while it lives.
class LogCapture {
public:
    LogCapture() {
        LogSink::install([this](const LogLine& line) {
            const std::lock_guard lock(m_mutex);
            m_lines.push_back(line.render(true));
        });
    }
    ~LogCapture() { LogSink::install(nullptr); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::vector<std::string> lines() const {
        const std::lock_guard lock(m_mutex);
        return m_lines;
    }
    bool contains(const std::string& line) const {
        for (const auto& candidate : lines()) {
            if (candidate == line) {
                return true;
            }
        }
        return false;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_lines;
};

}  // namespace korrelang::engine::testing
