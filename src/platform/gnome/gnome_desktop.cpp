#include "gnome_desktop.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDir>
#include <QFileInfo>

#include "gnome_clipboard.h"
#include "gnome_hot_keys.h"
#include "gnome_input_sources.h"
#include "gnome_synthetic_keys.h"
#include "platform/atspi/atspi_accessibility.h"
#include "platform/log.h"
#include "platform/portal/global_shortcuts_portal.h"
#include "platform/wayland/unavailable_key_interceptor.h"
#include "platform/wayland/wayland_workspace.h"
#include "shell_extension.h"

namespace korrelang::platform::gnome {

namespace {

constexpr int kFirstShellWithShortcutsPortal = 48;

/// The running shell's major version ("43.9" → 43), 0 when the shell does not say.
int shellMajorVersion() {
    QDBusInterface shell(QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"),
                         QStringLiteral("org.gnome.Shell"), QDBusConnection::sessionBus());
    const QString version = shell.property("ShellVersion").toString();
    return version.section(QLatin1Char('.'), 0, 0).toInt();
}

}  // namespace

struct GnomeDesktop::Parts {
    explicit Parts(std::string command) : customShortcut(std::move(command)) {}

    ShellExtension extension;
    GnomeInputSources inputSources{extension};
    // GTK 4's selection calls may answer with the wrong reply type and leave the caller waiting
    // for the whole timeout: keep it short.
    atspi::AtspiAccessibility accessibility{[this]() -> std::optional<long> {
                                                const auto focused = extension.focusedApplication();
                                                return focused ? focused->pid : std::nullopt;
                                            },
                                            std::chrono::milliseconds(150)};
    wayland::WaylandWorkspace workspace{[this]() -> std::optional<
                                                     wayland::WaylandWorkspace::FocusedWindow> {
        const auto focused = extension.focusedApplication();
        if (!focused) {
            return std::nullopt;
        }
        return wayland::WaylandWorkspace::FocusedWindow{focused->id, focused->name, focused->pid};
    }};
    GnomeSyntheticKeys syntheticKeys{extension, workspace};
    GnomeClipboard clipboard{extension};
    GnomeHotKeys customShortcut;
    // GNOME 48 and later offer the portal: the shell then reports the press itself, with no
    // process started per press. Earlier releases have only the custom shortcut.
    portal::GlobalShortcutsPortal portal;
    HotKeys& hotKeys = choose(portal, customShortcut);
    wayland::UnavailableKeyInterceptor keyInterceptor;

    static HotKeys& choose(portal::GlobalShortcutsPortal& portal, GnomeHotKeys& customShortcut) {
        // Another desktop's portal back end (Plasma's, installed beside GNOME) may offer the
        // interface in a GNOME session without anything there to deliver the presses.
        if (shellMajorVersion() >= kFirstShellWithShortcutsPortal && portal.isAvailable()) {
            logLine("⌨️ Hotkey: through the desktop's GlobalShortcuts portal");
            return portal;
        }
        logLine("⌨️ Hotkey: through a custom shortcut in GNOME's keyboard settings");
        return customShortcut;
    }
};

GnomeDesktop::GnomeDesktop(std::string convertCommand)
    : m_parts(std::make_unique<Parts>(std::move(convertCommand))) {}

GnomeDesktop::~GnomeDesktop() = default;

bool GnomeDesktop::isConnected() const {
    return QDBusConnection::sessionBus().isConnected();
}

std::string GnomeDesktop::convertCommand() {
    // The small client beside this executable starts in a few milliseconds; this executable
    // with --convert does the same after loading every library of the application.
    const QString self = QCoreApplication::applicationFilePath();
    const QString helper = QFileInfo(self).dir().filePath(QStringLiteral("korrelang-convert"));
    const bool fast = QFileInfo(helper).isExecutable();
    std::string quoted = "'";
    for (const char c : (fast ? helper : self).toStdString()) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + (fast ? "'" : "' --convert");
}

const ShellExtension& GnomeDesktop::extension() const {
    return m_parts->extension;
}

void GnomeDesktop::setConversionEnabled(bool enabled) {
    m_parts->customShortcut.setTurnedOff(!enabled);
}

Platform GnomeDesktop::bundle() {
    return {m_parts->inputSources,  m_parts->accessibility, m_parts->syntheticKeys,
            m_parts->clipboard,     m_parts->workspace,     m_parts->hotKeys,
            m_parts->keyInterceptor};
}

}  // namespace korrelang::platform::gnome
