#pragma once

#include <QString>
#include <string>

namespace korrelang::app {

/// The conversion service words its alerts in English; they are translated here, where they are
/// shown, so that the service stays free of the user interface's languages.
class AlertTexts {
public:
    /// The line in the user's language; a line with no translation stays as it is.
    static QString translate(const std::string& text);
};

}  // namespace korrelang::app
