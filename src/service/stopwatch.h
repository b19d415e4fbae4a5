#pragma once

#include <chrono>
#include <string>

namespace korrelang::service {

/// Time since it was made, for the figures in log lines that say where a press spends its time.
class Stopwatch {
public:
    /// Whole milliseconds since it was made, as "12 ms".
    std::string elapsed() const {
        return std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(
                                  std::chrono::steady_clock::now() - m_started)
                                  .count()) +
               " ms";
    }

private:
    std::chrono::steady_clock::time_point m_started = std::chrono::steady_clock::now();
};

}  // namespace korrelang::service
