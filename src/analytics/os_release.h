#pragma once

#include <QMap>
#include <QString>

namespace korrelang::analytics {

/// The distribution's identification from os-release(5).
class OsRelease {
public:
    /// Reads /etc/os-release, else /usr/lib/os-release; missing files give empty fields.
    static OsRelease system();
    /// Parses one file: KEY=value lines, values optionally quoted with shell escapes.
    static OsRelease fromFile(const QString& path);

    QString value(const QString& key) const { return m_values.value(key); }
    /// PRETTY_NAME, else NAME and VERSION_ID, else "Linux".
    QString versionString() const;
    /// VERSION_ID, else the kernel version.
    QString versionID() const;

private:
    QMap<QString, QString> m_values;
};

}  // namespace korrelang::analytics
