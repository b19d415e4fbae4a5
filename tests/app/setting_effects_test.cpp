#include "app/setting_effects.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "platform/linux/autostart_login_item.h"
#include "settings/capitalization_monitor.h"
#include "settings/setting_change_reporter.h"
#include "settings/settings.h"
#include "support/log_capture.h"

namespace korrelang::app {
namespace {

using platform::linux_desktop::AutostartLoginItem;
using settings::Settings;
using settings::StatisticsPeriod;

class Recorder final : public settings::SettingChangeReporter,
                       public settings::CapitalizationMonitor {
public:
    void settingChanged(const QString& eventName, bool value) override {
        events.append(eventName + (value ? QStringLiteral("=on") : QStringLiteral("=off")));
    }
    void start() override { events.append(QStringLiteral("monitor.start")); }
    void stop() override { events.append(QStringLiteral("monitor.stop")); }

    QStringList events;
};

class SettingEffectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
    }

    QTemporaryDir m_home;
};

TEST_F(SettingEffectsTest, SwitchesReportTheirEventNamesAndDriveTheMonitor) {
    struct Case {
        std::function<void(Settings&)> assign;
        QStringList events;
    };
    const Case cases[] = {
        {[](Settings& s) { s.setAutoSwitchKeyboard(false); }, {"autoSwitchKeyboard=off"}},
        {[](Settings& s) { s.setKeepSelectionAfterConversion(true); }, {"steadySelection=on"}},
        {[](Settings& s) { s.setAnalyticsEnabled(false); }, {"analytics=off"}},
        {[](Settings& s) { s.setSmartCapitalization(true); },
         {"smartCapitalization=on", "monitor.start"}},
        {[](Settings& s) { s.setSmartCapitalization(false); },
         {"smartCapitalization=off", "monitor.stop"}},
        {[](Settings& s) { s.setIsEnabled(false); }, {}},
        {[](Settings& s) { s.setShowDebugAlerts(true); }, {}},
        {[](Settings& s) { s.setSelectedKeyboards({QStringLiteral("x")}); }, {}},
        {[](Settings& s) { s.setStatisticsPeriod(StatisticsPeriod::Today); }, {}},
    };
    for (const Case& c : cases) {
        Settings settings;
        Recorder recorder;
        AutostartLoginItem loginItem(QStringLiteral("/usr/bin/korrelang"));
        const SettingEffects effects(settings, loginItem, &recorder, recorder);
        c.assign(settings);
        EXPECT_EQ(recorder.events, c.events) << c.events.join(u' ').toStdString();
    }
}

TEST_F(SettingEffectsTest, StartAtLoginReportsThenWritesTheAutostartEntry) {
    Settings settings;
    Recorder recorder;
    AutostartLoginItem loginItem(QStringLiteral("/opt/My Apps/korrelang"));
    SettingEffects effects(settings, loginItem, &recorder, recorder);
    const QString entryPath = m_home.filePath(QStringLiteral("autostart/korrelang.desktop"));
    ASSERT_EQ(AutostartLoginItem::entryPath(), entryPath);

    settings.setStartAtLogin(true);
    EXPECT_EQ(recorder.events, QStringList{QStringLiteral("startAtLogin=on")});
    QFile entry(entryPath);
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QByteArray text = entry.readAll();
    entry.close();
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nType=Application\n"));
    EXPECT_TRUE(text.contains("\nExec=\"/opt/My Apps/korrelang\"\n"));
    EXPECT_TRUE(text.contains("\nX-GNOME-Autostart-enabled=true\n"));

    settings.setStartAtLogin(false);
    EXPECT_FALSE(QFile::exists(entryPath));
    settings.setStartAtLogin(false);  // already gone: still fine
    EXPECT_FALSE(QFile::exists(entryPath));

    // The launch brings the entry back in line with the stored choice.
    settings.setStartAtLogin(true);
    ASSERT_TRUE(QFile::remove(entryPath));
    effects.updateLoginItem();
    EXPECT_TRUE(QFile::exists(entryPath));
}

TEST_F(SettingEffectsTest, AFailedLoginItemUpdateIsLoggedAndTheSettingKept) {
    // A file where the autostart directory should be makes the entry impossible to write.
    QFile blocker(m_home.filePath(QStringLiteral("autostart")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const testing::LogCapture log;
    Settings settings;
    Recorder recorder;
    AutostartLoginItem loginItem;
    const SettingEffects effects(settings, loginItem, &recorder, recorder);
    settings.setStartAtLogin(true);
    EXPECT_TRUE(settings.startAtLogin());
    const std::vector<std::string> lines = log.lines();
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_TRUE(lines.front().starts_with("Failed to update login item: ")) << lines.front();
}

// Where the desktop cannot intercept keys there is no monitor to drive; the switch still reports.
TEST_F(SettingEffectsTest, WithoutAMonitorTheSwitchOnlyReports) {
    Settings settings;
    Recorder recorder;
    AutostartLoginItem loginItem;
    const SettingEffects effects(settings, loginItem, nullptr, recorder);
    settings.setSmartCapitalization(true);
    settings.setSmartCapitalization(false);
    EXPECT_EQ(recorder.events, (QStringList{"smartCapitalization=on", "smartCapitalization=off"}));
}

TEST_F(SettingEffectsTest, NothingIsDrivenOnceTheEffectsAreGone) {
    Settings settings;
    Recorder recorder;
    AutostartLoginItem loginItem;
    { const SettingEffects effects(settings, loginItem, &recorder, recorder); }
    settings.setSmartCapitalization(false);
    settings.setStartAtLogin(true);
    EXPECT_TRUE(recorder.events.isEmpty());
    EXPECT_FALSE(QFile::exists(AutostartLoginItem::entryPath()));
}

}  // namespace
}  // namespace korrelang::app
