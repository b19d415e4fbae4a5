#pragma once

#include <optional>
#include <string>
#include <vector>

#include "service/accessibility_service.h"

namespace korrelang::testing {

/// What the hotkey does at its simplest: the focused field's selection read through the
/// service, converted between `layouts` and written back over the selection. Returns whether
/// the converted text was written.
bool convertSelection(service::AccessibilityService& service,
                      const std::vector<std::string>& layouts,
                      const std::optional<std::string>& activeKeyboard);

}  // namespace korrelang::testing
