#pragma once

#include <optional>
#include <string>
#include <vector>

#include "clock.h"
#include "conversion_cycle.h"
#include "engine/conversion_result.h"
#include "engine/word_scorer.h"

namespace korrelang::service {

/// What one text of a press converts to.
struct ConversionPlan {
    std::string current;                             ///< the text read
    std::string replacement;                         ///< what is written in its place
    std::optional<CycleStep> step;                   ///< when the press continues a cycle
    std::optional<engine::ConversionResult> result;  ///< none for a restoring step
    std::string converted;  ///< the text that was converted (the cycle's original)
};

/// The converting side of a press: what a text read by a way turns into, given the cycle of the
/// presses before. The answer is remembered, so that every way that reads the same text writes
/// the same result, and the cycle moves on only when a way has written it. Plain state: the
/// press uses it from one thread at a time.
class ReplacementPlanner {
public:
    explicit ReplacementPlanner(const Clock& clock) : m_cycle(clock), m_cycleBefore(clock) {}

    /// The word check that helps choose the meant layout, or null (the rules alone). It must
    /// outlive the planner.
    void setWordScorer(const engine::WordScorer* words) { m_words = words; }

    /// A new press converting between `keyboards`, typed while `activeLayoutID` was active:
    /// forgets the last answer and remembers the cycle as it is now.
    void begin(std::vector<std::string> keyboards, std::optional<std::string> activeLayoutID);

    /// The text to write in place of `current`: its conversion, or the original when the press
    /// ends a cycle. Nothing when it does not convert, or when every character would drop.
    std::optional<std::string> replacementFor(const std::string& current);

    /// After a verified write of the last answer: the cycle records it. Returns that answer.
    const ConversionPlan& commit();
    /// Nothing was written: the cycle is put back as it was when the press began.
    void rollback() { m_cycle = m_cycleBefore; }

    const ConversionCycle& cycle() const { return m_cycle; }

private:
    const engine::WordScorer* m_words = nullptr;
    std::vector<std::string> m_keyboards;
    std::optional<std::string> m_activeLayoutID;
    std::optional<ConversionPlan> m_plan;
    ConversionCycle m_cycle;
    ConversionCycle m_cycleBefore;
};

}  // namespace korrelang::service
