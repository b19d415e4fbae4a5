#pragma once

#include <optional>
#include <set>
#include <string>

#include "accessibility_service.h"
#include "conversion_way.h"

namespace korrelang::service {

/// Reads the selection (else the line before the caret) through the accessibility interface and
/// writes the result back through it, verified by reading back. An element that cannot be
/// written this way (no EditableText, a write that does not take) is left as it was, for the
/// next way. An application whose writes answered yes and changed nothing is not written to this
/// way again in the session (the failed, undone attempt costs a browser up to a few hundred
/// milliseconds on every press), unless a write there once took. Main thread.
class AccessibilityWay : public ConversionWay {
public:
    explicit AccessibilityWay(AccessibilityService& accessibility)
        : m_accessibility(accessibility) {}

    std::string_view name() const override { return "accessibility"; }
    ConversionEvents::Method method() const override {
        return ConversionEvents::Method::Accessibility;
    }
    bool needsWorker() const override { return false; }
    bool appliesTo(const ConversionPress& press) const override;
    Outcome attempt(ConversionPress& press) override;

private:
    /// The application's identifier, the key of what is remembered about it; nothing when the
    /// press has no application that can be told from others.
    static std::optional<std::string> keyOf(const ConversionPress& press);
    void remember(const ConversionPress& press, bool writesTake);

    AccessibilityService& m_accessibility;
    std::set<std::string> m_writesIgnored;
    std::set<std::string> m_writesTaken;
};

}  // namespace korrelang::service
