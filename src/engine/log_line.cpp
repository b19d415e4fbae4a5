#include "log_line.h"

namespace korrelang::engine {

LogLine& LogLine::append(std::string_view plain) {
    if (!m_segments.empty() && !m_segments.back().isUserText) {
        m_segments.back().text.append(plain);
    } else {
        m_segments.push_back({std::string(plain), 0, false});
    }
    return *this;
}

LogLine& LogLine::appendUserText(std::string_view text, std::size_t characters) {
    m_segments.push_back({std::string(text), characters, true});
    return *this;
}

std::string LogLine::render(bool showUserText) const {
    std::string out;
    for (const Segment& segment : m_segments) {
        if (segment.isUserText && !showUserText) {
            out += "<" + std::to_string(segment.characters) + " chars>";
        } else {
            out += segment.text;
        }
    }
    return out;
}

}  // namespace korrelang::engine
