#include "replacement_planner.h"

#include <utility>

#include "engine/layout_converter.h"
#include "service_log.h"

namespace korrelang::service {

using servicelog::say;
using servicelog::sayText;

void ReplacementPlanner::begin(std::vector<std::string> keyboards,
                               std::optional<std::string> activeLayoutID) {
    m_keyboards = std::move(keyboards);
    m_activeLayoutID = std::move(activeLayoutID);
    m_plan.reset();
    m_cycleBefore = m_cycle;
}

std::optional<std::string> ReplacementPlanner::replacementFor(const std::string& current) {
    if (m_plan && m_plan->current == current) {
        return m_plan->replacement;
    }
    // A different text than an earlier way read: start again from the cycle as it was.
    if (m_plan) {
        m_cycle = m_cycleBefore;
        m_plan.reset();
    }
    ConversionPlan plan;
    plan.current = current;
    plan.converted = current;
    std::optional<std::string> preferred;
    if (auto step = m_cycle.checkCycle(current, m_keyboards)) {
        if (step->restoresOriginal) {
            plan.replacement = step->originalText;
            plan.step = std::move(step);
            m_plan = std::move(plan);
            return m_plan->replacement;
        }
        plan.converted = step->originalText;
        preferred = step->targetID;
        plan.step = std::move(step);
    }
    auto result = engine::LayoutConverter(m_words).convert(plan.converted, m_keyboards,
                                                           m_activeLayoutID, preferred);
    if (!result) {
        return std::nullopt;
    }
    // Every character dropped: writing "" would delete the user's text.
    if (result->convertedText.empty() && !plan.converted.empty()) {
        say("❌ Every character of the text drops in the target layout; nothing to write");
        return std::nullopt;
    }
    plan.replacement = result->convertedText;
    plan.result = std::move(result);
    m_plan = std::move(plan);
    return m_plan->replacement;
}

const ConversionPlan& ReplacementPlanner::commit() {
    const ConversionPlan& plan = *m_plan;
    if (!plan.result) {
        m_cycle.markRestored(plan.replacement);
        sayText("✅ Restored original: '", plan.replacement, "'");
        return plan;
    }
    if (!plan.step) {
        m_cycle.resetCycle();
    }
    m_cycle.updateCycleState(plan.converted, plan.result->convertedText, *plan.result, m_keyboards);
    return plan;
}

}  // namespace korrelang::service
