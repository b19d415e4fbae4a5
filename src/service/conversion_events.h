#pragma once

#include <string>

#include "press_failure.h"

namespace korrelang::service {

/// The usage events of a conversion, as the service reports them. The application forwards
/// them to analytics; none carries the converted text. Main thread only.
class ConversionEvents {
public:
    enum class Method { Accessibility, Clipboard };

    virtual ~ConversionEvents() = default;

    virtual void conversionPerformed(const std::string& fromLanguage, const std::string& toLanguage,
                                     int characterCount, Method method) = 0;
    virtual void conversionFailed(PressFailure reason) = 0;
    virtual void keyboardCycleUsed(int cyclePosition, const std::string& fromLanguage,
                                   const std::string& toLanguage) = 0;
};

}  // namespace korrelang::service
