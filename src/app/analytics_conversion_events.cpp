#include "analytics_conversion_events.h"

#include "analytics/analytics_service.h"

namespace korrelang::app {

namespace {

using Analytics = analytics::AnalyticsService;

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

}  // namespace

void AnalyticsConversionEvents::conversionPerformed(const std::string& fromLanguage,
                                                    const std::string& toLanguage,
                                                    int characterCount, Method method) {
    m_analytics.conversionPerformed(text(fromLanguage), text(toLanguage), characterCount,
                                    method == Method::Accessibility
                                        ? Analytics::ConversionMethod::Accessibility
                                        : Analytics::ConversionMethod::Clipboard);
}

void AnalyticsConversionEvents::conversionFailed(service::PressFailure reason) {
    switch (reason) {
        case service::PressFailure::accessibilityDenied:
            return m_analytics.conversionFailed(Analytics::FailureReason::AccessibilityDenied);
        case service::PressFailure::noText:
            return m_analytics.conversionFailed(Analytics::FailureReason::NoSelection);
        case service::PressFailure::notConverted:
            return m_analytics.conversionFailed(Analytics::FailureReason::DetectionFailed);
        case service::PressFailure::notReplaced:
            return m_analytics.conversionFailed(Analytics::FailureReason::PasteFailed);
    }
}

void AnalyticsConversionEvents::keyboardCycleUsed(int cyclePosition,
                                                  const std::string& fromLanguage,
                                                  const std::string& toLanguage) {
    m_analytics.keyboardCycleUsed(cyclePosition, text(fromLanguage), text(toLanguage));
}

}  // namespace korrelang::app
