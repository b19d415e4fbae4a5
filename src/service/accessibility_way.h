#pragma once

#include "accessibility_service.h"
#include "conversion_way.h"

namespace korrelang::service {

/// Reads the selection (else the line before the caret) through the accessibility interface and
/// writes the result back through it, verified by reading back. An element that cannot be
/// written this way (no EditableText, a write that does not take) is left as it was, for the
/// next way. Main thread.
class AccessibilityWay : public ConversionWay {
public:
    explicit AccessibilityWay(AccessibilityService& accessibility)
        : m_accessibility(accessibility) {}

    std::string_view name() const override { return "accessibility"; }
    ConversionEvents::Method method() const override {
        return ConversionEvents::Method::Accessibility;
    }
    bool needsWorker() const override { return false; }
    bool appliesTo(const ConversionPress&) const override { return true; }
    Outcome attempt(ConversionPress& press) override;

private:
    AccessibilityService& m_accessibility;
};

}  // namespace korrelang::service
