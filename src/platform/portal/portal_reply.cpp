#include "portal_reply.h"

#include <QDBusMetaType>
#include <QDBusObjectPath>

namespace korrelang::platform::portal {

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

void PortalReply::registerTypes() {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<PortalShortcutList>();
}

PortalReply::Outcome PortalReply::outcome(unsigned code) {
    switch (code) {
        case 0:
            return Outcome::success;
        case 1:
            return Outcome::cancelled;
        default:
            return Outcome::failed;
    }
}

std::map<std::string, std::string> PortalReply::triggers(const QVariant& shortcuts) {
    registerTypes();
    PortalShortcutList list;
    if (shortcuts.canConvert<QDBusArgument>()) {
        const auto argument = shortcuts.value<QDBusArgument>();
        if (argument.currentSignature() != QLatin1String("a(sa{sv})")) {
            return {};
        }
        argument >> list;
    } else if (shortcuts.canConvert<PortalShortcutList>()) {
        list = shortcuts.value<PortalShortcutList>();
    } else {
        return {};
    }
    std::map<std::string, std::string> result;
    for (const PortalShortcut& shortcut : list) {
        result[shortcut.id.toStdString()] =
            shortcut.properties.value(QStringLiteral("trigger_description"))
                .toString()
                .toStdString();
    }
    return result;
}

QString PortalReply::sessionHandle(const QVariantMap& results) {
    return pathText(results.value(QStringLiteral("session_handle")));
}

QString PortalReply::pathText(const QVariant& handle) {
    if (handle.userType() == qMetaTypeId<QDBusObjectPath>()) {
        return handle.value<QDBusObjectPath>().path();
    }
    return handle.toString();
}

}  // namespace korrelang::platform::portal
