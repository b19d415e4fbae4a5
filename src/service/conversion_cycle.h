#pragma once

#include <optional>
#include <string>
#include <vector>

#include "clock.h"
#include "engine/conversion_result.h"

namespace korrelang::service {

/// One step along the ring of targets, as checkCycle() found it.
struct CycleStep {
    std::string originalText;  ///< what to convert (or to write back when restoring)
    std::string targetID;      ///< catalogue id of the step's target
    bool restoresOriginal = false;
    int position = 0;              ///< 1-based position in the ring
    std::string fromName, toName;  ///< display names for the usage event
};

/// Pressing the hotkey again on the text the last conversion wrote, within 30 seconds, converts
/// the original text to the next of the user's layouts; after the last one the original comes
/// back. Plain state: the caller makes sure only one thread uses it at a time.
class ConversionCycle {
public:
    static constexpr double kTimeoutSeconds = 30.0;

    explicit ConversionCycle(const Clock& clock) : m_clock(&clock) {}

    /// The step to take when `current` is the text the cycle last wrote, trimmed, and the time
    /// limit has not passed; advances the ring. `keyboards` are the selected keyboards now, for
    /// the names only.
    std::optional<CycleStep> checkCycle(const std::string& current,
                                        const std::vector<std::string>& keyboards);
    /// After a conversion: opens a cycle (when the source layout is among `keyboards`), or
    /// records the step of an open one.
    void updateCycleState(const std::string& original, const std::string& converted,
                          const engine::ConversionResult& result,
                          const std::vector<std::string>& keyboards);
    /// After a restoring step: the original is now what the cycle last wrote.
    void markRestored(const std::string& original);
    void resetCycle();

    const std::optional<std::string>& originalText() const { return m_originalText; }
    const std::optional<std::string>& convertedText() const { return m_convertedText; }
    const std::vector<std::string>& targetIDs() const { return m_targetIDs; }

private:
    const Clock* m_clock;  // a pointer, so that a press can put the state back by assignment
    std::optional<std::string> m_originalText;
    std::optional<std::string> m_convertedText;
    std::optional<std::string> m_sourceID;
    std::vector<std::string> m_targetIDs;
    int m_targetIndex = 0;
    std::optional<Clock::TimePoint> m_timestamp;
};

}  // namespace korrelang::service
