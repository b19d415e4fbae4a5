#pragma once

#include <QtQml/qqml.h>

#include "shortcuts/recorder_control.h"

namespace korrelang::ui {

/// Makes the shortcut recorder's state a type the screens can declare.
struct RecorderControlForeign {
    Q_GADGET
    QML_FOREIGN(korrelang::shortcuts::RecorderControl)
    QML_NAMED_ELEMENT(RecorderControl)
    QML_UNCREATABLE("Created with the shortcuts it records")
};

}  // namespace korrelang::ui
