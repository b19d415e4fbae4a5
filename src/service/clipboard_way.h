#pragma once

#include "accessibility_service.h"
#include "clipboard_strategies.h"
#include "conversion_way.h"
#include "service_log.h"

namespace korrelang::service {

/// For applications that give no text through the accessibility interface: copy the selection
/// (else the line, else the whole field) with keys, paste the result. A field whose text the
/// interface does give is left to the ways that can verify what they write. Background worker.
class ClipboardWay : public ConversionWay {
public:
    ClipboardWay(ClipboardStrategies& strategies, AccessibilityService& accessibility,
                 const MainThread& main)
        : m_strategies(strategies), m_accessibility(accessibility), m_main(main) {}

    std::string_view name() const override { return "clipboard"; }
    ConversionEvents::Method method() const override { return ConversionEvents::Method::Clipboard; }
    bool needsWorker() const override { return true; }
    bool appliesTo(const ConversionPress&) const override { return true; }
    Outcome attempt(ConversionPress& press) override {
        if (press.textWasRead() ||
            m_main.call([this] { return m_accessibility.readTextToConvert().has_value(); })) {
            return Outcome::unavailable;
        }
        const Outcome outcome = m_strategies.convertViaClipboard(press);
        if (outcome == Outcome::written) {
            servicelog::say("✅ Clipboard conversion succeeded!");
        }
        return outcome;
    }

private:
    ClipboardStrategies& m_strategies;
    AccessibilityService& m_accessibility;
    const MainThread& m_main;
};

}  // namespace korrelang::service
