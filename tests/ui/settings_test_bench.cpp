#include "settings_test_bench.h"

#include <QSettings>

#include "shortcuts/hot_key_probe.h"

namespace korrelang::ui {

namespace {

const std::vector<platform::InputSource> kKeyboards{
    {"xkb.us.English", "English (US)"}, {"xkb.ru.Russian", "Russian"}, {"xkb.il.Hebrew", "Hebrew"},
    {"xkb.de.German", "German"},        {"xkb.fr.French", "French"},   {"xkb.gr.Greek", "Greek"},
};

}  // namespace

SettingsTestBench::SettingsTestBench(Options options) {
    m_inputSources.sources = std::vector<platform::InputSource>(
        kKeyboards.begin(), kKeyboards.begin() + options.keyboardCount);
    m_inputSources.keyTexts = {{KEY_SPACE, " "}, {KEY_A, "a"}, {KEY_Q, "q"}};
    m_settings = std::make_unique<settings::Settings>(m_dir.filePath(QStringLiteral("k.conf")));
    m_shortcuts =
        std::make_unique<shortcuts::GlobalShortcuts>(m_settings->path(), m_hotKeys, m_inputSources);
    m_shortcuts->addName(shortcuts::Name::toggleConversion());
    m_shortcuts->addKeyUpHandler(shortcuts::Name::toggleConversion(), [] {});
    m_recorder = std::make_unique<shortcuts::RecorderControl>(
        *m_shortcuts, &m_hotKeys, shortcuts::Name::toggleConversion(),
        shortcuts::RecorderControl::Host{[this] { m_workspace.beep(); },
                                         [this](const shortcuts::Shortcut& shortcut) {
                                             return shortcuts::HotKeyProbe::isTaken(m_hotKeys,
                                                                                    shortcut);
                                         },
                                         [this](const QString&, const QString&) {
                                             ++systemAlerts;
                                             return forceSystemShortcut;
                                         },
                                         {}});
    m_updates = std::make_unique<updates::UpdateChecker>(m_settings->path(), options.updateFeed,
                                                         QStringLiteral("1.6.0"));

    const ScreenServices services{*m_settings, m_inputSources,    m_workspace,      m_service,
                                  m_analytics, m_shortcuts.get(), m_recorder.get(), m_updates.get(),
                                  true,        &m_limits};
    m_preferences = std::make_unique<PreferencesViewModel>(services);
    m_about = std::make_unique<AboutViewModel>(m_workspace, false);
    m_feedback = std::make_unique<FeedbackViewModel>(m_analytics, options.feedbackEndpoint,
                                                     QStringLiteral("Debian GNU/Linux 12"));
    m_model = std::make_unique<SettingsWindowModel>(
        m_analytics, m_workspace, SettingsWindowModel::Settings,
        SettingsWindowModel::Tabs{m_preferences.get(), m_about.get(), m_feedback.get()});
    m_firstLaunch = std::make_unique<FirstLaunchViewModel>(services);
}

SettingsTestBench::~SettingsTestBench() = default;

QVariant SettingsTestBench::storedValue(const QString& key) const {
    const QSettings reader(m_settings->path(), QSettings::IniFormat);
    return reader.value(key);
}

void SettingsTestBench::setFrontmost(const QString& id, const QString& name) {
    if (id.isEmpty()) {
        m_workspace.frontmost.reset();
    } else {
        m_workspace.frontmost =
            platform::Application{.id = id.toStdString(), .name = name.toStdString()};
    }
}

void SettingsTestBench::setTrusted(bool trusted) {
    m_accessibility.trusted = trusted;
}

}  // namespace korrelang::ui
