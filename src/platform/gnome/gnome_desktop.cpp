#include "gnome_desktop.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDir>
#include <QFileInfo>

#include "gnome_clipboard.h"
#include "gnome_hot_keys.h"
#include "gnome_input_sources.h"
#include "gnome_synthetic_keys.h"
#include "gnome_workspace.h"
#include "platform/atspi/atspi_accessibility.h"
#include "platform/wayland/unavailable_key_interceptor.h"
#include "shell_extension.h"

namespace korrelang::platform::gnome {

struct GnomeDesktop::Parts {
    explicit Parts(std::string command) : hotKeys(std::move(command)) {}

    ShellExtension extension;
    GnomeInputSources inputSources{extension};
    // GTK 4's selection calls may answer with the wrong reply type and leave the caller waiting
    // for the whole timeout: keep it short.
    atspi::AtspiAccessibility accessibility{[this]() -> std::optional<long> {
                                                const auto focused = extension.focusedApplication();
                                                return focused ? focused->pid : std::nullopt;
                                            },
                                            std::chrono::milliseconds(150)};
    GnomeWorkspace workspace{extension};
    GnomeSyntheticKeys syntheticKeys{extension, workspace};
    GnomeClipboard clipboard{extension};
    GnomeHotKeys hotKeys;
    wayland::UnavailableKeyInterceptor keyInterceptor;
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

Platform GnomeDesktop::bundle() {
    return {m_parts->inputSources,  m_parts->accessibility, m_parts->syntheticKeys,
            m_parts->clipboard,     m_parts->workspace,     m_parts->hotKeys,
            m_parts->keyInterceptor};
}

}  // namespace korrelang::platform::gnome
