#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "conversion_way.h"
#include "main_thread.h"
#include "press_effects.h"
#include "replacement_planner.h"

namespace korrelang::service {

/// What a press works with, read on the main thread when it begins.
struct PressContext {
    std::optional<platform::Application> application;
    std::vector<std::string> keyboards;  ///< the selected keyboards, in the user's order
    std::optional<std::string> activeLayoutID;
    bool keepSelection = true;  ///< "keep selection after conversion"
};

/// One press's conversion: tries the ways of reading and writing in order until one writes the
/// conversion and reads it back, or one ends the press; then the cycle moves on and the effects
/// follow (statistics, usage events, keyboard switch), or the reason of the failure goes to the
/// effects. The ways see the press through ConversionPress, which this implements.
///
/// A run that starts on the main thread stops before the first way that needs the background
/// worker; the caller continues it there with `resume`. On the worker every effect, and every
/// test whether a way applies, hops to the main thread.
class ConversionPipeline final : private ConversionPress {
public:
    /// `converted` runs on the main thread after every verified write.
    ConversionPipeline(std::vector<std::unique_ptr<ConversionWay>> ways,
                       ReplacementPlanner& planner, PressEffects& effects, const MainThread& main,
                       std::function<void()> converted);

    void begin(PressContext context);
    /// Tries the ways from the first. Returns true when the press goes on on the worker.
    bool run() { return runFrom(0); }
    /// On the worker: tries the ways from the one `run` stopped at.
    void resume() { runFrom(m_next); }

    const PressContext& context() const { return m_context; }

private:
    // ConversionPress
    const std::optional<platform::Application>& application() const override {
        return m_context.application;
    }
    std::optional<std::string> replacementFor(const std::string& current) override {
        return m_planner.replacementFor(current);
    }
    bool textWasRead() const override { return m_attemptedWrite; }
    bool shouldDeselectAfterReplace() override;

    bool runFrom(std::size_t first);
    void succeed(const ConversionWay& way);
    /// Ends the press without a conversion; `line` (if any) says why in the log.
    void fail(const char* line, PressFailure reason);

    std::vector<std::unique_ptr<ConversionWay>> m_ways;
    ReplacementPlanner& m_planner;
    PressEffects& m_effects;
    const MainThread& m_main;
    std::function<void()> m_converted;

    PressContext m_context;
    /// Whether a way read the text and tried to write it.
    std::atomic<bool> m_attemptedWrite = false;
    std::size_t m_next = 0;
};

}  // namespace korrelang::service
