#pragma once

#include <optional>
#include <string>
#include <vector>

#include "service/accessibility_service.h"

namespace korrelang::testing {

/// What the hotkey does on the accessibility path, without the service around it: the focused
/// field's selection (else the line before the caret) read, converted between `layouts` and
/// written back, verified by reading back. Returns whether the write was verified.
bool convertSelection(service::AccessibilityService& service,
                      const std::vector<std::string>& layouts,
                      const std::optional<std::string>& activeKeyboard);

}  // namespace korrelang::testing
