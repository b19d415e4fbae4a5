#include "hung_applications.h"

namespace korrelang::platform::atspi {

bool HungApplications::isHung(long pid) const {
    const auto it = m_until.find(pid);
    return it != m_until.end() && std::chrono::steady_clock::now() < it->second;
}

void HungApplications::markHung(long pid) {
    m_until[pid] = std::chrono::steady_clock::now() + m_quarantine;
}

bool HungApplications::timedOut(long pid, Clock::time_point started, bool answered) {
    if (answered || Clock::now() - started < m_callTimeout * 9 / 10) {
        return false;
    }
    markHung(pid);
    return true;
}

}  // namespace korrelang::platform::atspi
