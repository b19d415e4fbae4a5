#pragma once

#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <map>
#include <string>

namespace korrelang::platform::portal {

/// One shortcut as the portal passes it: its id and its properties ("description",
/// "preferred_trigger" going in, "trigger_description" coming back).
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};
using PortalShortcutList = QList<PortalShortcut>;

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut);
const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut);

/// What a portal request's Response says.
class PortalReply {
public:
    enum class Outcome { success, cancelled, failed };

    /// 0 is success, 1 the user cancelled the dialog, anything else a failure.
    static Outcome outcome(unsigned code);
    /// The triggers the desktop reports for each shortcut id, read from a "shortcuts" result or
    /// the ShortcutsChanged signal's list; shortcuts without a description map to "". An argument
    /// of another shape yields nothing.
    static std::map<std::string, std::string> triggers(const QVariant& shortcuts);
    /// The session handle of a CreateSession result: an object path or a string, as portals
    /// differ; empty when absent.
    static QString sessionHandle(const QVariantMap& results);
    /// A handle sent as an object path or as a string, as text.
    static QString pathText(const QVariant& handle);
    /// Registers the D-Bus types above; safe to call more than once.
    static void registerTypes();
};

}  // namespace korrelang::platform::portal

Q_DECLARE_METATYPE(korrelang::platform::portal::PortalShortcut)
Q_DECLARE_METATYPE(korrelang::platform::portal::PortalShortcutList)
