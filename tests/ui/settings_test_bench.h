#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <QUrl>
#include <QVariant>
#include <memory>

#include "analytics/analytics_service.h"
#include "platform/fake/fake_accessibility_text.h"
#include "platform/fake/fake_hot_keys.h"
#include "platform/fake/fake_input_sources.h"
#include "platform/fake/fake_workspace.h"
#include "service/accessibility_service.h"
#include "settings/settings.h"
#include "shortcuts/global_shortcuts.h"
#include "shortcuts/recorder_control.h"
#include "ui/about_view_model.h"
#include "ui/desktop_limits.h"
#include "ui/feedback_view_model.h"
#include "ui/first_launch_view_model.h"
#include "ui/preferences_view_model.h"
#include "ui/settings_window_model.h"
#include "updates/update_checker.h"

namespace korrelang::ui {

/// The settings window's and the onboarding's view models over real settings in a temporary
/// file, real shortcuts storage and a real update checker, with the desktop faked behind the
/// platform interfaces.
class SettingsTestBench : public QObject {
    Q_OBJECT
    Q_PROPERTY(QObject* settings READ settingsObject CONSTANT)
    Q_PROPERTY(QObject* model READ modelObject CONSTANT)
    Q_PROPERTY(QObject* preferences READ preferencesObject CONSTANT)
    Q_PROPERTY(QObject* feedback READ feedbackObject CONSTANT)
    Q_PROPERTY(QObject* firstLaunch READ firstLaunchObject CONSTANT)
    Q_PROPERTY(QObject* recorder READ recorderObject CONSTANT)

public:
    struct Options {
        int keyboardCount = 3;
        QUrl feedbackEndpoint;
        QUrl updateFeed;
    };

    SettingsTestBench() : SettingsTestBench(Options{}) {}
    explicit SettingsTestBench(Options options);
    ~SettingsTestBench() override;

    settings::Settings& settings() { return *m_settings; }
    SettingsWindowModel& model() { return *m_model; }
    PreferencesViewModel& preferences() { return *m_preferences; }
    FeedbackViewModel& feedback() { return *m_feedback; }
    FirstLaunchViewModel& firstLaunch() { return *m_firstLaunch; }
    shortcuts::GlobalShortcuts& shortcuts() { return *m_shortcuts; }
    shortcuts::RecorderControl& recorder() { return *m_recorder; }
    updates::UpdateChecker& updates() { return *m_updates; }
    platform::fake::FakeWorkspace& workspace() { return m_workspace; }
    platform::fake::FakeInputSources& inputSources() { return m_inputSources; }
    platform::fake::FakeHotKeys& hotKeys() { return m_hotKeys; }
    platform::fake::FakeAccessibilityText& accessibility() { return m_accessibility; }

    QObject* settingsObject() { return m_settings.get(); }
    QObject* modelObject() { return m_model.get(); }
    QObject* preferencesObject() { return m_preferences.get(); }
    QObject* feedbackObject() { return m_feedback.get(); }
    QObject* firstLaunchObject() { return m_firstLaunch.get(); }
    QObject* recorderObject() { return m_recorder.get(); }

    /// The value as written in the settings file, read back by a separate reader.
    Q_INVOKABLE QVariant storedValue(const QString& key) const;
    Q_INVOKABLE void setFrontmost(const QString& id, const QString& name);
    Q_INVOKABLE void setTrusted(bool trusted);
    /// Whether the desktop's shell extension runs (on by default, as on a desktop without one).
    Q_INVOKABLE void setShellExtension(bool on) { m_extensionMissing = !on; }
    /// How often the screens asked for the extension to be turned on.
    Q_INVOKABLE int extensionRequests() const { return m_extensionRequests; }
    /// What the system-shortcut alert answers, and how often it was shown.
    bool forceSystemShortcut = false;
    int systemAlerts = 0;

private:
    QTemporaryDir m_dir;
    bool m_extensionMissing = false;
    int m_extensionRequests = 0;
    DesktopLimits m_limits{[this] { return m_extensionMissing; },
                           [this] {
                               ++m_extensionRequests;
                               m_extensionMissing = false;
                               return true;
                           },
                           false};
    platform::fake::FakeAccessibilityText m_accessibility;
    platform::fake::FakeInputSources m_inputSources;
    platform::fake::FakeWorkspace m_workspace;
    platform::fake::FakeHotKeys m_hotKeys;
    service::AccessibilityService m_service{m_accessibility, m_inputSources, m_workspace};
    analytics::AnalyticsService m_analytics{false};
    std::unique_ptr<settings::Settings> m_settings;
    std::unique_ptr<shortcuts::GlobalShortcuts> m_shortcuts;
    std::unique_ptr<shortcuts::RecorderControl> m_recorder;
    std::unique_ptr<updates::UpdateChecker> m_updates;
    std::unique_ptr<PreferencesViewModel> m_preferences;
    std::unique_ptr<AboutViewModel> m_about;
    std::unique_ptr<FeedbackViewModel> m_feedback;
    std::unique_ptr<SettingsWindowModel> m_model;
    std::unique_ptr<FirstLaunchViewModel> m_firstLaunch;
};

}  // namespace korrelang::ui
