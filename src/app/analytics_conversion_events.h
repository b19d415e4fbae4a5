#pragma once

#include "service/conversion_events.h"

namespace korrelang::analytics {
class AnalyticsService;
}

namespace korrelang::app {

/// Hands the conversion service's usage events to analytics.
class AnalyticsConversionEvents final : public service::ConversionEvents {
public:
    explicit AnalyticsConversionEvents(analytics::AnalyticsService& analytics)
        : m_analytics(analytics) {}

    void conversionPerformed(const std::string& fromLanguage, const std::string& toLanguage,
                             int characterCount, Method method) override;
    void conversionFailed(service::PressFailure reason) override;
    void keyboardCycleUsed(int cyclePosition, const std::string& fromLanguage,
                           const std::string& toLanguage) override;

private:
    analytics::AnalyticsService& m_analytics;
};

}  // namespace korrelang::app
