#pragma once

#include "alerts.h"

namespace korrelang::app {

/// Alerts as modal Qt message boxes.
class MessageBoxAlerts final : public Alerts {
public:
    std::optional<std::size_t> runModal(const Alert& alert) override;
};

}  // namespace korrelang::app
