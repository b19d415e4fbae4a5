// Qt before Xlib: Xlib's macros break Qt's headers.
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>

// X11 and the rest
#include <X11/Xlib.h>
#include <syslog.h>

#include <algorithm>
#include <map>

#include "platform/process/terminal_process.h"
#include "x11_workspace.h"

namespace korrelang::platform::x11 {

namespace {

// The keys of a desktop entry's main group (QSettings would read commas as lists).
std::map<QString, QString> entryKeys(const QString& path) {
    std::map<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return keys;
    }
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        const auto equals = line.indexOf('=');
        if (inMainGroup && equals > 0 && !line.startsWith('#')) {
            keys.emplace(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
        }
    }
    return keys;
}

std::optional<std::string> entryName(const std::map<QString, QString>& keys) {
    const auto name = keys.find("Name");
    if (name == keys.end() || name->second.isEmpty()) {
        return std::nullopt;
    }
    return name->second.toStdString();
}

// Wayland application ids of programs without an id of their own are the program's name: the
// entry that starts just that program (with file arguments at most) names it.
bool startsOnlyProgram(const std::map<QString, QString>& keys, const QString& program) {
    const auto exec = keys.find("Exec");
    if (exec == keys.end()) {
        return false;
    }
    const QStringList words = exec->second.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return !words.isEmpty() && words.first().section(QLatin1Char('/'), -1) == program &&
           std::all_of(words.begin() + 1, words.end(),
                       [](const QString& word) { return word.startsWith(QLatin1Char('%')); });
}

}  // namespace

X11Workspace::X11Workspace(std::shared_ptr<DisplayConnection> connection)
    : m_connection(std::move(connection)), m_activeWindow(m_connection) {}

std::string X11Workspace::applicationID(const WindowInfo& window) {
    if (!window.gtkApplicationID.empty()) {
        return window.gtkApplicationID;
    }
    return window.className.empty() ? window.instanceName : window.className;
}

std::optional<Application> X11Workspace::frontmostApplication() const {
    const auto window = m_activeWindow.query();
    if (!window) {
        return std::nullopt;
    }
    Application application;
    application.id = applicationID(*window);
    if (application.id.empty()) {
        return std::nullopt;
    }
    application.name =
        applicationName(application.id)
            .value_or(window->className.empty() ? application.id : window->className);
    application.processId = window->pid;
    application.terminal =
        window->pid && process::TerminalProcess::holdsPseudoTerminalMaster(*window->pid);
    return application;
}

std::optional<std::string> X11Workspace::applicationName(std::string_view id) const {
    if (id.empty()) {
        return std::nullopt;
    }
    const QString wanted = QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size()));
    const QStringList directories =
        QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    // First an entry named after the identifier, then one that claims the window class.
    for (const QString& directory : directories) {
        for (const QString& file : {wanted + ".desktop", wanted.toLower() + ".desktop"}) {
            const QString path = QDir(directory).filePath(file);
            if (QFile::exists(path)) {
                if (auto name = entryName(entryKeys(path))) {
                    return name;
                }
            }
        }
    }
    for (const QString& directory : directories) {
        const QDir dir(directory);
        for (const QString& file : dir.entryList({"*.desktop"}, QDir::Files)) {
            const auto keys = entryKeys(dir.filePath(file));
            const auto wmClass = keys.find("StartupWMClass");
            if ((wmClass != keys.end() &&
                 wmClass->second.compare(wanted, Qt::CaseInsensitive) == 0) ||
                startsOnlyProgram(keys, wanted)) {
                if (auto name = entryName(keys)) {
                    return name;
                }
            }
        }
    }
    return std::nullopt;
}

bool X11Workspace::openAddress(std::string_view address) {
    const QUrl url(QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size())));
    if (!url.isValid() || url.isEmpty()) {
        return false;
    }
    return QDesktopServices::openUrl(url);
}

void X11Workspace::beep() {
    if (m_connection) {
        XBell(m_connection->get(), 0);
        XFlush(m_connection->get());
    }
}

void X11Workspace::systemLog(std::string_view line) {
    syslog(LOG_NOTICE, "%.*s", static_cast<int>(line.size()), line.data());
}

}  // namespace korrelang::platform::x11
