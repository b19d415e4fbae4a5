#pragma once

#include <QString>
#include <string>

#include "platform/login_item.h"

namespace korrelang::platform::linux_desktop {

/// The login item as an XDG autostart entry, $XDG_CONFIG_HOME/autostart/korrelang.desktop.
class AutostartLoginItem final : public LoginItem {
public:
    /// `executable` is what the entry runs; by default the installed korrelang.
    explicit AutostartLoginItem(QString executable = defaultExecutable());

    bool setRegistered(bool registered, std::string& error) override;

    static QString defaultExecutable();
    /// Where the entry lives for the current XDG_CONFIG_HOME.
    static QString entryPath();

private:
    QString m_executable;
};

}  // namespace korrelang::platform::linux_desktop
