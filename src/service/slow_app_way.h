#pragma once

#include <string_view>

#include "clipboard_strategies.h"
#include "conversion_way.h"
#include "service_log.h"

namespace korrelang::service {

/// For applications known to answer AT-SPI too slowly to ask it (Electron and Java ones): select
/// the line with keys, copy, paste the result. The only way tried for them. Background worker.
class SlowAppWay : public ConversionWay {
public:
    explicit SlowAppWay(ClipboardStrategies& strategies) : m_strategies(strategies) {}

    /// Whether the application is one of them: its application id (desktop-file id or window
    /// class) is a known one or starts with a known family's prefix, or its name contains a
    /// known name. Case-sensitive, as window classes are.
    static bool isSlowApp(std::string_view applicationID, std::string_view name);

    std::string_view name() const override { return "slow application"; }
    ConversionEvents::Method method() const override { return ConversionEvents::Method::Clipboard; }
    bool needsWorker() const override { return true; }
    bool appliesTo(const ConversionPress& press) const override {
        const auto& app = press.application();
        return app && isSlowApp(app->id, app->name);
    }
    Outcome attempt(ConversionPress& press) override {
        servicelog::say("🤖 Slow app detected. Using clipboard approach.");
        const Outcome outcome = m_strategies.convertInSlowApp(press);
        if (outcome == Outcome::written) {
            servicelog::say("✅ Slow app conversion succeeded!");
        }
        if (outcome == Outcome::notWritten) {
            // The ways after this one would ask the slow application through AT-SPI.
            servicelog::say("🤖 Slow app: the text is as it was; declining");
            return Outcome::declined;
        }
        return outcome;
    }

private:
    ClipboardStrategies& m_strategies;
};

}  // namespace korrelang::service
