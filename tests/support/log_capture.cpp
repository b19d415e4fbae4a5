#include "log_capture.h"

#include <algorithm>

#include "engine/log_sink.h"

namespace korrelang::testing {

LogCapture::LogCapture() {
    engine::LogSink::install([this](const engine::LogLine& line) {
        const std::lock_guard lock(m_mutex);
        m_lines.push_back(line);
    });
}

LogCapture::~LogCapture() {
    engine::LogSink::install({});
}

std::vector<std::string> LogCapture::lines(bool showUserText) const {
    const std::lock_guard lock(m_mutex);
    std::vector<std::string> rendered;
    rendered.reserve(m_lines.size());
    for (const engine::LogLine& line : m_lines) {
        rendered.push_back(line.render(showUserText));
    }
    return rendered;
}

bool LogCapture::contains(const std::string& line, bool showUserText) const {
    const auto all = lines(showUserText);
    return std::find(all.begin(), all.end(), line) != all.end();
}

bool LogCapture::mentions(const std::string& fragment) const {
    const auto all = lines();
    return std::any_of(all.begin(), all.end(), [&](const std::string& line) {
        return line.find(fragment) != std::string::npos;
    });
}

void LogCapture::clear() {
    const std::lock_guard lock(m_mutex);
    m_lines.clear();
}

}  // namespace korrelang::testing
