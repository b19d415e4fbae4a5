#include "os_release.h"

#include <QFile>
#include <QSysInfo>

namespace korrelang::analytics {

namespace {

QString unquoted(const QString& raw) {
    if (raw.size() < 2 || (raw.front() != u'"' && raw.front() != u'\'') ||
        raw.back() != raw.front()) {
        return raw;
    }
    const QStringView inner = QStringView(raw).mid(1, raw.size() - 2);
    if (raw.front() == u'\'') {
        return inner.toString();
    }
    QString value;
    for (qsizetype i = 0; i < inner.size(); ++i) {
        if (inner[i] == u'\\' && i + 1 < inner.size()) {
            ++i;
        }
        value += inner[i];
    }
    return value;
}

}  // namespace

OsRelease OsRelease::system() {
    if (QFile::exists(QStringLiteral("/etc/os-release"))) {
        return fromFile(QStringLiteral("/etc/os-release"));
    }
    return fromFile(QStringLiteral("/usr/lib/os-release"));
}

OsRelease OsRelease::fromFile(const QString& path) {
    OsRelease release;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return release;
    }
    // A real os-release file is a few hundred bytes; anything huge is not one.
    const QString text = QString::fromUtf8(file.read(64 * 1024));
    for (const QString& rawLine : text.split(u'\n')) {
        const QString line = rawLine.trimmed();
        const qsizetype equals = line.indexOf(u'=');
        if (line.startsWith(u'#') || equals <= 0) {
            continue;
        }
        release.m_values.insert(line.left(equals), unquoted(line.mid(equals + 1)));
    }
    return release;
}

QString OsRelease::versionString() const {
    if (const QString pretty = value(QStringLiteral("PRETTY_NAME")); !pretty.isEmpty()) {
        return pretty;
    }
    const QString name = value(QStringLiteral("NAME"));
    const QString version = value(QStringLiteral("VERSION_ID"));
    if (name.isEmpty()) {
        return QStringLiteral("Linux");
    }
    return version.isEmpty() ? name : name + u' ' + version;
}

QString OsRelease::versionID() const {
    const QString version = value(QStringLiteral("VERSION_ID"));
    return version.isEmpty() ? QSysInfo::kernelVersion() : version;
}

}  // namespace korrelang::analytics
