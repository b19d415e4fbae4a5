#pragma once

#include <chrono>

#include "clock.h"

namespace korrelang::service {

/// Asks `condition` until it holds, sleeping `interval` between two askings, for at most `limit`
/// of `clock`'s time; whether it held. It is always asked once, and once more at the end of the
/// limit, however long each asking took: the limit bounds the whole wait, not a count of sleeps.
template <typename Condition>
bool pollUntil(Clock& clock, std::chrono::milliseconds limit, std::chrono::milliseconds interval,
               Condition&& condition) {
    const Clock::TimePoint deadline = clock.now() + limit;
    while (!condition()) {
        if (clock.now() >= deadline) {
            return false;
        }
        clock.sleep(interval);
    }
    return true;
}

}  // namespace korrelang::service
