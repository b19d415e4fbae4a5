#pragma once

#include <chrono>
#include <map>

namespace korrelang::platform::atspi {

/// Processes that recently let an accessibility call time out. Calls to them fail at once for a
/// while, so one hung application costs one timeout per hotkey press, not one per call.
///
/// libatspi does not always report a timeout as an error (some calls just return an empty
/// answer), so a call that gave no answer after nearly the whole timeout counts as one too.
class HungApplications {
public:
    using Clock = std::chrono::steady_clock;

    HungApplications(std::chrono::milliseconds callTimeout, std::chrono::milliseconds quarantine)
        : m_callTimeout(callTimeout), m_quarantine(quarantine) {}

    std::chrono::milliseconds callTimeout() const { return m_callTimeout; }
    bool isHung(long pid) const;
    void markHung(long pid);
    /// Marks `pid` hung when a call that started at `started` ran into the timeout and gave no
    /// answer; returns whether it did. A call that answered is never a timeout, however long
    /// it took.
    bool timedOut(long pid, Clock::time_point started, bool answered);

private:
    std::chrono::milliseconds m_callTimeout;
    std::chrono::milliseconds m_quarantine;
    std::map<long, std::chrono::steady_clock::time_point> m_until;
};

}  // namespace korrelang::platform::atspi
