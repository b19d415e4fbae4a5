#pragma once

#include <QtQml/qqml.h>

#include "settings/settings.h"

namespace korrelang::ui {

/// Makes the application's settings a type the screens can declare: they read and write the
/// settings through their properties, but never create them.
struct SettingsForeign {
    Q_GADGET
    QML_FOREIGN(korrelang::settings::Settings)
    QML_NAMED_ELEMENT(Settings)
    QML_UNCREATABLE("The settings are created once, when the application starts")
};

}  // namespace korrelang::ui
