#include "selection_conversion.h"

#include "engine/layout_converter.h"

namespace korrelang::testing {

bool convertSelection(service::AccessibilityService& service,
                      const std::vector<std::string>& layouts,
                      const std::optional<std::string>& activeKeyboard) {
    const auto text = service.getSelectedText();
    const auto element = service.getFocusedElement();
    if (!text || !element) {
        return false;
    }
    const auto range = element->selectedRange();
    const auto result =
        engine::LayoutConverter().convert(*text, layouts, activeKeyboard, std::nullopt);
    return result && range.succeeded() &&
           service.replaceTextInRange(range.value->location, range.value->length,
                                      result->convertedText);
}

}  // namespace korrelang::testing
