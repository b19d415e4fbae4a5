#include "conversion_pipeline.h"

#include <utility>

#include "engine/keyboard_mapping_registry.h"
#include "service_log.h"

namespace korrelang::service {

using servicelog::say;

ConversionPipeline::ConversionPipeline(std::vector<std::unique_ptr<ConversionWay>> ways,
                                       ReplacementPlanner& planner, PressEffects& effects,
                                       const MainThread& main, std::function<void()> converted)
    : m_ways(std::move(ways)),
      m_planner(planner),
      m_effects(effects),
      m_main(main),
      m_converted(std::move(converted)) {}

void ConversionPipeline::begin(PressContext context) {
    m_context = std::move(context);
    m_attemptedWrite = false;
    m_next = 0;
    m_planner.begin(m_context.keyboards, m_context.activeLayoutID);
}

bool ConversionPipeline::runFrom(std::size_t first) {
    const bool onMain = m_main.isCurrent();
    for (std::size_t i = first; i < m_ways.size(); ++i) {
        ConversionWay& way = *m_ways[i];
        if (!m_main.call([&] { return way.appliesTo(*this); })) {
            continue;
        }
        if (way.needsWorker() && onMain) {
            m_next = i;
            return true;
        }
        say("🔍 Trying the " + std::string(way.name()) + " way");
        const auto outcome = way.needsWorker() || onMain
                                 ? way.attempt(*this)
                                 : m_main.call([&] { return way.attempt(*this); });
        using Outcome = ConversionWay::Outcome;
        switch (outcome) {
            case Outcome::unavailable:
                continue;
            case Outcome::notWritten:
                m_attemptedWrite = true;
                continue;
            case Outcome::written:
                m_main.call([&] { succeed(way); });
                return false;
            case Outcome::writtenUnverified:
                m_main.call([this] {
                    m_planner.rollback();
                    say("⚠️ Written without a read-back: not recorded, the keyboard stays");
                    m_effects.beep();
                });
                return false;
            case Outcome::notConverted:
                m_main.call([this] {
                    fail("❌ Conversion failed - language not recognized",
                         PressFailure::notConverted);
                });
                return false;
            case Outcome::declined:
                m_main.call([this] { fail(nullptr, PressFailure::noText); });
                return false;
            case Outcome::damaged:
                m_main.call([this] {
                    fail("❌ Replace failed, and the text could not be put back as it was",
                         PressFailure::notReplaced);
                });
                return false;
        }
    }
    m_main.call([this] {
        if (m_attemptedWrite) {
            fail("❌ Replace failed by every way", PressFailure::notReplaced);
        } else {
            fail("❌ All conversion methods failed", PressFailure::noText);
        }
    });
    return false;
}

void ConversionPipeline::succeed(const ConversionWay& way) {
    say("✅ REPLACE SUCCEEDED via " + std::string(way.name()));
    const ConversionPlan& plan = m_planner.commit();
    m_effects.converted(plan, way.method(), m_context.keyboards);
    m_converted();
}

void ConversionPipeline::fail(const char* line, PressFailure reason) {
    m_planner.rollback();
    if (line != nullptr) {
        say(line);
    }
    m_effects.failed(reason, m_context.keyboards);
}

bool ConversionPipeline::shouldDeselectAfterReplace() {
    const auto mappings =
        engine::KeyboardMappingRegistry::shared().mappingsFor(m_context.keyboards);
    return mappings.size() < 3 || !m_context.keepSelection;
}

}  // namespace korrelang::service
