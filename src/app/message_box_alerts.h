#pragma once

#include "service/alerts.h"

namespace korrelang::app {

/// Alerts as modal Qt message boxes.
class MessageBoxAlerts final : public service::Alerts {
public:
    int runModal(const service::Alert& alert) override;
};

}  // namespace korrelang::app
