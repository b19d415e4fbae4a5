#include "clock.h"

#include <thread>

namespace korrelang::service {

Clock::TimePoint SystemClock::now() const {
    return std::chrono::steady_clock::now();
}

void SystemClock::sleep(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

}  // namespace korrelang::service
