#include "setting_effects.h"

#include <string>

#include "platform/log.h"
#include "platform/login_item.h"
#include "settings/capitalization_monitor.h"
#include "settings/setting_change_reporter.h"
#include "settings/settings.h"

namespace korrelang::app {

SettingEffects::SettingEffects(settings::Settings& settings, platform::LoginItem& loginItem,
                               settings::CapitalizationMonitor* monitor,
                               settings::SettingChangeReporter& reporter, QObject* parent)
    : QObject(parent),
      m_settings(settings),
      m_loginItem(loginItem),
      m_monitor(monitor),
      m_reporter(reporter) {
    connect(&settings, &settings::Settings::switchAssigned, this, &SettingEffects::switchAssigned);
}

void SettingEffects::switchAssigned(const QString& eventName, bool value) {
    m_reporter.settingChanged(eventName, value);
    // On every assignment, not only on a change: setting a switch again repairs what it drives.
    if (eventName == u"startAtLogin") {
        updateLoginItem();
    } else if (eventName == u"smartCapitalization" && m_monitor != nullptr) {
        if (value) {
            m_monitor->start();
        } else {
            m_monitor->stop();
        }
    }
}

void SettingEffects::updateLoginItem() {
    std::string error;
    if (!m_loginItem.setRegistered(m_settings.startAtLogin(), error)) {
        platform::logLine("Failed to update login item: " + error);
    }
}

}  // namespace korrelang::app
