#include "shortcuts/desktop_shortcuts.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <algorithm>

#include "platform/key_codes.h"

namespace korrelang::shortcuts {
namespace {

using platform::Modifier;

TEST(DesktopShortcuts, ReadsGtkAccelerators) {
    struct Case {
        const char* accelerator;
        std::optional<Shortcut> expected;
    };
    const Case cases[] = {
        {"<Super>space", Shortcut{KEY_SPACE, Modifier::Super}},
        {"<Primary><Shift>space", Shortcut{KEY_SPACE, Modifier::Control | Modifier::Shift}},
        {"<Control><Alt>t", Shortcut{KEY_T, Modifier::Control | Modifier::Alt}},
        {"<Alt>F4", Shortcut{KEY_F4, Modifier::Alt}},
        {"<Super>Page_Down", Shortcut{KEY_PAGEDOWN, Modifier::Super}},
        {"<Shift><Super>Left", Shortcut{KEY_LEFT, Modifier::Shift | Modifier::Super}},
        {"<Mod4>grave", Shortcut{KEY_GRAVE, Modifier::Super}},
        {"<Ctrl>bracketleft", Shortcut{KEY_LEFTBRACE, Modifier::Control}},
        {"<Super>1", Shortcut{KEY_1, Modifier::Super}},
        {"Print", std::nullopt},         // no virtual key code for it
        {"XF86Keyboard", std::nullopt},  // a media key
        {"<Hyper>a", std::nullopt},      // a modifier hot keys cannot hold
        {"<Super", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DesktopShortcuts::fromGtkAccelerator(c.accelerator), c.expected) << c.accelerator;
    }
}

TEST(DesktopShortcuts, ReadsKdeShortcuts) {
    EXPECT_EQ(DesktopShortcuts::fromKdeShortcut("Meta+Space"),
              (Shortcut{KEY_SPACE, Modifier::Super}));
    EXPECT_EQ(DesktopShortcuts::fromKdeShortcut("Ctrl+Alt+T"),
              (Shortcut{KEY_T, Modifier::Control | Modifier::Alt}));
    EXPECT_EQ(DesktopShortcuts::fromKdeShortcut("Alt+F2"), (Shortcut{KEY_F2, Modifier::Alt}));
    EXPECT_EQ(DesktopShortcuts::fromKdeShortcut("none"), std::nullopt);
    EXPECT_EQ(DesktopShortcuts::fromKdeShortcut("Launch (A)"), std::nullopt);
}

TEST(DesktopShortcuts, ReadsListingsAndConfigFiles) {
    const QString listing = QStringLiteral(
        "org.gnome.desktop.wm.keybindings switch-input-source ['<Super>space', 'XF86Keyboard']\n"
        "org.gnome.desktop.wm.keybindings minimize @as []\n"
        "org.gnome.desktop.wm.keybindings close ['<Alt>F4']\n"
        "org.gnome.settings-daemon.plugins.media-keys terminal '<Primary><Alt>t'\n");
    EXPECT_EQ(DesktopShortcuts::fromGsettingsListing(listing),
              (std::vector<Shortcut>{{KEY_SPACE, Modifier::Super},
                                     {KEY_F4, Modifier::Alt},
                                     {KEY_T, Modifier::Control | Modifier::Alt}}));

    const QString kde = QStringLiteral(
        "[kwin]\n"
        "_k_friendly_name=KWin\n"
        "Window Close=Alt+F4,Alt+F4,Close Window\n"
        "Switch Layout=Meta+Space\tCtrl+Shift+Space,Meta+Alt+K,Switch to Next Layout\n"
        "Unused=none,Meta+U,Something\n");
    EXPECT_EQ(DesktopShortcuts::fromKdeConfig(kde),
              (std::vector<Shortcut>{{KEY_F4, Modifier::Alt},
                                     {KEY_SPACE, Modifier::Super},
                                     {KEY_SPACE, Modifier::Control | Modifier::Shift}}));
}

// Real gsettings with the in-memory back end answers with the schemas' defaults, among them
// GNOME's Super+Space for switching input sources; a KDE file in the config directory counts too.
TEST(DesktopShortcuts, ReadsTheDesktopsOwnSettings) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    const QByteArray savedBackend = qgetenv("GSETTINGS_BACKEND");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("GSETTINGS_BACKEND", "memory");
    const auto restore = qScopeGuard([&] {
        savedConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME")
                             : qputenv("XDG_CONFIG_HOME", savedConfig);
        savedBackend.isNull() ? qunsetenv("GSETTINGS_BACKEND")
                              : qputenv("GSETTINGS_BACKEND", savedBackend);
    });
    QFile kde(QDir(config.path()).filePath(QStringLiteral("kglobalshortcutsrc")));
    ASSERT_TRUE(kde.open(QIODevice::WriteOnly));
    kde.write("[korrelang-test]\nAction=Ctrl+Alt+Y,none,Something\n");
    kde.close();

    const auto shortcuts = DesktopShortcuts::read();
    const auto has = [&shortcuts](const Shortcut& shortcut) {
        return std::find(shortcuts.begin(), shortcuts.end(), shortcut) != shortcuts.end();
    };
    EXPECT_TRUE(has(Shortcut{KEY_SPACE, Modifier::Super}));                // <Super>space
    EXPECT_TRUE(has(Shortcut{KEY_Y, Modifier::Control | Modifier::Alt}));  // Ctrl+Alt+Y
    EXPECT_TRUE(DesktopShortcuts::contains(Shortcut{KEY_Y, Modifier::Control | Modifier::Alt}));
    EXPECT_FALSE(
        DesktopShortcuts::contains(Shortcut{KEY_SPACE, Modifier::Control | Modifier::Shift}));
}

}  // namespace
}  // namespace korrelang::shortcuts
