#pragma once

#include <chrono>
#include <map>

namespace korrelang::platform::atspi {

/// Processes that recently let an accessibility call time out. Calls to them fail at once for a
/// while, so one hung application costs one timeout per hotkey press, not one per call.
class HungApplications {
public:
    explicit HungApplications(std::chrono::milliseconds quarantine) : m_quarantine(quarantine) {}

    bool isHung(long pid) const;
    void markHung(long pid);

private:
    std::chrono::milliseconds m_quarantine;
    std::map<long, std::chrono::steady_clock::time_point> m_until;
};

}  // namespace korrelang::platform::atspi
