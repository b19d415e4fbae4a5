#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace korrelang::engine {

class KeyboardMapping;

/// The shared notation of log lines: lists as ["a", "b"], absent values as nil, fractions as
/// percentages with one decimal.
struct LogFormat {
    static std::string list(const std::vector<std::string>& texts);
    static std::string displayNames(const std::vector<KeyboardMapping>& mappings);
    static std::string optional(const std::optional<std::string>& value);
    /// 100 × matched / total with one decimal and a percent sign; "0.0%" when total is 0.
    static std::string percent(std::size_t matched, std::size_t total);
    static std::string percent(double fraction);
};

}  // namespace korrelang::engine
