#pragma once

#include <QObject>
#include <QString>

namespace korrelang::platform {
class LoginItem;
}
namespace korrelang::settings {
class CapitalizationMonitor;
class Settings;
class SettingChangeReporter;
}  // namespace korrelang::settings

namespace korrelang::app {

/// What the user's choices set off outside the settings: every switch's usage event, the login
/// item for "start at login" and the Shift+letter interceptor for smart capitalization (none on
/// desktops that cannot intercept keys). The composition root makes one after the parts it
/// connects; destroying it disconnects them.
class SettingEffects : public QObject {
    Q_OBJECT

public:
    SettingEffects(settings::Settings& settings, platform::LoginItem& loginItem,
                   settings::CapitalizationMonitor* monitor,
                   settings::SettingChangeReporter& reporter, QObject* parent = nullptr);

    /// Brings the login item into line with "start at login"; a failure is logged only.
    void updateLoginItem();

private:
    void switchAssigned(const QString& eventName, bool value);

    settings::Settings& m_settings;
    platform::LoginItem& m_loginItem;
    settings::CapitalizationMonitor* m_monitor;
    settings::SettingChangeReporter& m_reporter;
};

}  // namespace korrelang::app
