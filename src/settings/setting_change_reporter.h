#pragma once

#include <QString>

namespace korrelang::settings {

/// Receives the usage event of a switch the user flipped ("steadySelection", "analytics", …).
class SettingChangeReporter {
public:
    virtual ~SettingChangeReporter() = default;

    virtual void settingChanged(const QString& eventName, bool value) = 0;
};

}  // namespace korrelang::settings
