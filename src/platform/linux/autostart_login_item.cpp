#include "autostart_login_item.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace korrelang::platform::linux_desktop {

namespace {

// Exec= quoting of the desktop entry format: % starts a field code; quote when needed,
// escaping ", `, $ and the backslash.
QString quotedExec(QString program) {
    program.replace(u'%', QStringLiteral("%%"));
    static const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    if (std::none_of(program.begin(), program.end(),
                     [](QChar c) { return kReserved.contains(c); })) {
        return program;
    }
    QString escaped;
    for (const QChar c : std::as_const(program)) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') {
            escaped += u'\\';
        }
        escaped += c;
    }
    // The desktop entry reader unescapes backslashes once more before splitting the line.
    escaped.replace(u'\\', QStringLiteral("\\\\"));
    return u'"' + escaped + u'"';
}

}  // namespace

AutostartLoginItem::AutostartLoginItem(QString executable) : m_executable(std::move(executable)) {}

QString AutostartLoginItem::defaultExecutable() {
    return QStringLiteral(KORRELANG_INSTALLED_EXECUTABLE);
}

QString AutostartLoginItem::entryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/korrelang.desktop");
}

bool AutostartLoginItem::setRegistered(bool registered, std::string& error) {
    const QString path = entryPath();
    if (!registered) {
        QFile entry(path);
        if (entry.exists() && !entry.remove()) {
            error = (path + QStringLiteral(": ") + entry.errorString()).toStdString();
            return false;
        }
        return true;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        error = (QStringLiteral("cannot create the directory of ") + path).toStdString();
        return false;
    }
    QSaveFile entry(path);
    if (!entry.open(QIODevice::WriteOnly)) {
        error = (path + QStringLiteral(": ") + entry.errorString()).toStdString();
        return false;
    }
    const QString text = QStringLiteral(
                             "[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Korrelang\n"
                             "Comment=Fixes text typed in the wrong keyboard layout\n"
                             "Exec=%1\n"
                             "Icon=korrelang\n"
                             "Terminal=false\n"
                             "X-GNOME-Autostart-enabled=true\n")
                             .arg(quotedExec(m_executable));
    entry.write(text.toUtf8());
    if (!entry.commit()) {
        error = (path + QStringLiteral(": ") + entry.errorString()).toStdString();
        return false;
    }
    return true;
}

}  // namespace korrelang::platform::linux_desktop
