#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace korrelang::app {

/// A modal message: what it tells, not how it looks.
struct Alert {
    enum class Style { Informational, Warning };

    std::string title;
    std::vector<std::string> lines;    ///< the informative text, line by line ("" = empty line)
    std::vector<std::string> buttons;  ///< in order; the first is the default
    Style style = Style::Informational;

    bool operator==(const Alert&) const = default;
};

/// Shows alerts modally. Main thread only.
class Alerts {
public:
    virtual ~Alerts() = default;

    /// Runs `alert` until the user answers; returns the index of the button chosen, or nothing
    /// when the alert was dismissed otherwise.
    virtual std::optional<std::size_t> runModal(const Alert& alert) = 0;
};

}  // namespace korrelang::app
