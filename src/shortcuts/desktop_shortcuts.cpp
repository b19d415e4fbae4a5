#include "desktop_shortcuts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <utility>

#include "accelerator.h"
#include "engine/keyboard_mapping_registry.h"
#include "platform/key_codes.h"

namespace korrelang::shortcuts {

namespace {

// Schemas that hold GNOME's own key bindings.
constexpr std::array<const char*, 5> kGnomeSchemas = {
    "org.gnome.desktop.wm.keybindings", "org.gnome.shell.keybindings",
    "org.gnome.mutter.keybindings", "org.gnome.mutter.wayland.keybindings",
    "org.gnome.settings-daemon.plugins.media-keys"};

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// Key names of GTK (keysym names) and KDE, lower-cased, that are not a single character.
std::optional<platform::KeyCode> namedKey(const std::string& name) {
    static const std::array<std::pair<const char*, platform::KeyCode>, 45> kNames{{
        {"space", KEY_SPACE},
        {"return", KEY_ENTER},
        {"enter", KEY_ENTER},
        {"tab", KEY_TAB},
        {"escape", KEY_ESC},
        {"esc", KEY_ESC},
        {"backspace", KEY_BACKSPACE},
        {"delete", KEY_DELETE},
        {"del", KEY_DELETE},
        {"home", KEY_HOME},
        {"end", KEY_END},
        {"page_up", KEY_PAGEUP},
        {"prior", KEY_PAGEUP},
        {"pgup", KEY_PAGEUP},
        {"page_down", KEY_PAGEDOWN},
        {"next", KEY_PAGEDOWN},
        {"pgdown", KEY_PAGEDOWN},
        {"left", KEY_LEFT},
        {"right", KEY_RIGHT},
        {"up", KEY_UP},
        {"down", KEY_DOWN},
        {"grave", KEY_GRAVE},
        {"minus", KEY_MINUS},
        {"equal", KEY_EQUAL},
        {"bracketleft", KEY_LEFTBRACE},
        {"bracketright", KEY_RIGHTBRACE},
        {"backslash", KEY_BACKSLASH},
        {"semicolon", KEY_SEMICOLON},
        {"apostrophe", KEY_APOSTROPHE},
        {"comma", KEY_COMMA},
        {"period", KEY_DOT},
        {"slash", KEY_SLASH},
        {"f1", KEY_F1},
        {"f2", KEY_F2},
        {"f3", KEY_F3},
        {"f4", KEY_F4},
        {"f5", KEY_F5},
        {"f6", KEY_F6},
        {"f7", KEY_F7},
        {"f8", KEY_F8},
        {"f9", KEY_F9},
        {"f10", KEY_F10},
        {"f11", KEY_F11},
        {"f12", KEY_F12},
        {"insert", KEY_INSERT},
    }};
    for (const auto& [candidate, key] : kNames) {
        if (name == candidate) {
            return key;
        }
    }
    return std::nullopt;
}

// The key a name stands for: a named key, or the key that types the character on a US keyboard.
std::optional<platform::KeyCode> keyFor(std::string_view name) {
    const std::string lowered = lower(name);
    if (const auto key = namedKey(lowered)) {
        return key;
    }
    if (lowered.size() != 1) {
        return std::nullopt;
    }
    static const auto english =
        engine::KeyboardMappingRegistry::shared().mappingFor("xkb.us.English");
    const auto position = english ? english->keyFor(lowered) : std::nullopt;
    if (!position) {
        return std::nullopt;
    }
    return position->keyCode;
}

}  // namespace

std::optional<Shortcut> DesktopShortcuts::fromGtkAccelerator(std::string_view accelerator) {
    // The desktops' own lists may name keys that have no use as a shortcut here; those are
    // looked up in the short list of keys a shortcut can use.
    const auto parts = Accelerator::split(accelerator);
    const auto key = parts ? keyFor(parts->second) : std::nullopt;
    if (!key) {
        return std::nullopt;
    }
    return Shortcut{*key, parts->first};
}

std::optional<Shortcut> DesktopShortcuts::fromKdeShortcut(std::string_view text) {
    platform::Modifiers modifiers;
    // The key is the last part; a "+" key is written "Ctrl++".
    while (true) {
        const auto plus = text.find('+');
        if (plus == std::string_view::npos || plus + 1 == text.size()) {
            break;
        }
        const auto modifier = Accelerator::modifierNamed(text.substr(0, plus));
        if (!modifier) {
            return std::nullopt;
        }
        modifiers |= *modifier;
        text.remove_prefix(plus + 1);
    }
    const auto key = keyFor(text);
    if (!key) {
        return std::nullopt;
    }
    return Shortcut{*key, modifiers};
}

std::vector<Shortcut> DesktopShortcuts::fromGsettingsListing(const QString& listing) {
    std::vector<Shortcut> shortcuts;
    static const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
    for (const QString& line : listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        auto matches = quoted.globalMatch(line);
        while (matches.hasNext()) {
            const std::string accelerator = matches.next().captured(1).toStdString();
            if (const auto shortcut = fromGtkAccelerator(accelerator)) {
                shortcuts.push_back(*shortcut);
            }
        }
    }
    return shortcuts;
}

std::vector<Shortcut> DesktopShortcuts::fromKdeConfig(const QString& contents) {
    // Entries read "action=active shortcuts,default shortcuts,description"; several shortcuts
    // of one action are separated by tabs, and "none" means none.
    std::vector<Shortcut> shortcuts;
    for (const QString& line : contents.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1Char('[')) || line.startsWith(QLatin1Char('_'))) {
            continue;
        }
        const auto equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) {
            continue;
        }
        const QString active = line.mid(equals + 1).section(QLatin1Char(','), 0, 0);
        for (const QString& text : active.split(QLatin1Char('\t'), Qt::SkipEmptyParts)) {
            if (const auto shortcut = fromKdeShortcut(text.trimmed().toStdString())) {
                shortcuts.push_back(*shortcut);
            }
        }
    }
    return shortcuts;
}

std::vector<Shortcut> DesktopShortcuts::read() {
    std::vector<Shortcut> shortcuts;
    const QString gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (!gsettings.isEmpty()) {
        for (const char* schema : kGnomeSchemas) {
            QProcess process;
            process.start(gsettings,
                          {QStringLiteral("list-recursively"), QString::fromLatin1(schema)});
            if (!process.waitForFinished(1000)) {
                process.kill();
                process.waitForFinished(100);
                continue;
            }
            if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) {
                const auto found =
                    fromGsettingsListing(QString::fromUtf8(process.readAllStandardOutput()));
                shortcuts.insert(shortcuts.end(), found.begin(), found.end());
            }
        }
    }
    const QString configDir =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QFile kde(QDir(configDir).filePath(QStringLiteral("kglobalshortcutsrc")));
    if (kde.open(QIODevice::ReadOnly)) {
        const auto found = fromKdeConfig(QString::fromUtf8(kde.readAll()));
        shortcuts.insert(shortcuts.end(), found.begin(), found.end());
    }
    return shortcuts;
}

bool DesktopShortcuts::contains(const Shortcut& shortcut) {
    const auto shortcuts = read();
    return std::find(shortcuts.begin(), shortcuts.end(), shortcut) != shortcuts.end();
}

}  // namespace korrelang::shortcuts
