#pragma once

#include <string>
#include <vector>

namespace korrelang::service {

/// Why a press of the hotkey ended without writing a conversion.
enum class PressFailure {
    accessibilityDenied,  ///< assistive technologies are off: no text can be read
    noText,               ///< no way found text to convert
    notConverted,         ///< the text read is in none of the selected layouts
    notReplaced,          ///< the conversion could not be written back
};

/// Tells the user why a press failed. The service decides when the user is told; the
/// application words the message and shows it. Main thread only.
class PressNotices {
public:
    virtual ~PressNotices() = default;

    /// `keyboardNames` are the display names of the selected keyboards for `notConverted`, and
    /// empty otherwise.
    virtual void pressFailed(PressFailure reason,
                             const std::vector<std::string>& keyboardNames) = 0;
};

}  // namespace korrelang::service
