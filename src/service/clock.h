#pragma once

#include <chrono>

namespace korrelang::service {

/// Time as the conversion service sees it: the cycle's time limit and the fixed waits between
/// synthetic key presses. Tests substitute a clock whose waits return at once.
class Clock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;
    virtual TimePoint now() const = 0;
    /// Blocks the calling thread (the background worker) for `duration`.
    virtual void sleep(std::chrono::milliseconds duration) = 0;
};

/// The steady clock and real sleeps.
class SystemClock final : public Clock {
public:
    TimePoint now() const override;
    void sleep(std::chrono::milliseconds duration) override;
};

}  // namespace korrelang::service
