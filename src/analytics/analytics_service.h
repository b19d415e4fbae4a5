#pragma once

#include <QString>
#include <memory>

#include "settings/setting_change_reporter.h"
#include "telemetry_manager_configuration.h"

namespace korrelang::analytics {

class TelemetryManager;

/// The application's usage events. Every operation takes plain values (language names,
/// counts, switches) and never the text the user converts; none of them fails towards the
/// caller.
class AnalyticsService final : public settings::SettingChangeReporter {
public:
    enum class ConversionMethod { Accessibility, Clipboard };
    enum class FailureReason { AccessibilityDenied, NoSelection, DetectionFailed, PasteFailed };

    /// `enabled` is the user's analytics switch as stored.
    explicit AnalyticsService(bool enabled,
                              TelemetryManagerConfiguration configuration = defaultConfiguration());
    ~AnalyticsService() override;

    /// The build's application identifier and ingest address, everything else by default.
    static TelemetryManagerConfiguration defaultConfiguration();

    /// Off drops what is queued, deletes the cache file and queues nothing more.
    void setEnabled(bool enabled);
    bool isEnabled() const;

    void appLaunched(int keyboardCount);
    void featureState(bool smartCapitalization, bool autoSwitchKeyboard, bool steadySelection,
                      bool startAtLogin);
    void appSessionStart();
    /// The "analytics" switch itself is applied first, so turning it off sends nothing.
    void settingChanged(const QString& eventName, bool value) override;
    void conversionPerformed(const QString& fromLanguage, const QString& toLanguage,
                             int characterCount, ConversionMethod method);
    void conversionFailed(FailureReason reason);
    void keyboardCycleUsed(int cyclePosition, const QString& fromLanguage,
                           const QString& toLanguage);
    void blacklistChanged(const QString& action, int blacklistCount);
    void accessibilityPermission(bool granted);
    /// "Feature", "Bug", "Question" or "Other".
    void feedbackSent(const QString& feedbackType);
    void onboardingCompleted(int keyboardCount);
    void onboardingSkipped();
    void appShared(const QString& shareMethod);

    /// "1-10", "11-50", "51-200" or "200+", from a count of user-perceived characters.
    static QString characterCountBucket(int characterCount);

    static constexpr const char* kAppID = "6A1B7E0C-2F4D-4E3A-9C8B-5D7F1E2A3B4C";

private:
    void send(const QString& signalName, const SignalParameters& parameters = {});

    std::unique_ptr<TelemetryManager> m_telemetry;
};

}  // namespace korrelang::analytics
