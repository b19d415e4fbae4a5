#pragma once

#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "keyboards/keyboard_detector.h"

namespace korrelang::app {

/// Brings the selected keyboards into line with the installed ones, once per launch.
///
/// The user's order is kept (order decides ties in detection) and only keyboards that appeared
/// since the previous launch are added, in the detector's order, so a keyboard the user switched
/// off stays off. Keyboards no longer installed leave the selection. The installed set is
/// remembered as the known keyboards; when none were remembered yet (right after the onboarding)
/// nothing is added. A fallback list from the detector changes nothing at all.
class KeyboardSync {
public:
    struct Outcome {
        QStringList selected;
        QStringList known;
        bool selectionChanged = false;
        bool knownChanged = false;
        std::vector<std::string> logLines;
    };

    static Outcome sync(const keyboards::DetectedKeyboards& detected, const QStringList& selected,
                        const std::optional<QStringList>& known);
};

}  // namespace korrelang::app
