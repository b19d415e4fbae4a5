#include "fake_accessibility_text.h"

namespace korrelang::platform::fake {

FocusLookup FakeAccessibilityText::focusedElement() {
    ++focusLookups;
    FocusLookup lookup;
    lookup.applicationCode = applicationCode;
    if (applicationCode != AccessCode::success) {
        return lookup;
    }
    lookup.applicationName = applicationName;
    if (element) {
        lookup.elementCode = AccessCode::success;
        lookup.element = element;
    }
    return lookup;
}

}  // namespace korrelang::platform::fake
