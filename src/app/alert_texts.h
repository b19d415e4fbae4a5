#pragma once

#include <QString>
#include <string>

namespace korrelang::app {

/// The alerts about a failed press are worded in English (PressAlerts); they are translated here,
/// where they are shown.
class AlertTexts {
public:
    /// The line in the user's language; a line with no translation stays as it is.
    static QString translate(const std::string& text);
};

}  // namespace korrelang::app
