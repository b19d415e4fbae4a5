#pragma once

#include <string>

namespace korrelang::service {

/// The text from the start of the caret's line to the caret. Positions count user-perceived
/// characters from the start of the element's text.
struct LineText {
    std::string text;
    long location = 0;  ///< where the line starts
    long length = 0;    ///< characters of `text`
    bool operator==(const LineText&) const = default;
};

}  // namespace korrelang::service
