#pragma once

#include <QObject>

namespace korrelang::updates {
class UpdateChecker;
}
namespace korrelang::platform {
class Workspace;
}

namespace korrelang::app {

/// Tells the user what the update checker found: a newer version with its download page, and,
/// after "Check Now", that there is none or that the feed could not be read. A scheduled check
/// that finds nothing stays silent.
class UpdateAlerts : public QObject {
    Q_OBJECT

public:
    UpdateAlerts(updates::UpdateChecker& checker, platform::Workspace& workspace,
                 QObject* parent = nullptr);

private:
    platform::Workspace& m_workspace;
};

}  // namespace korrelang::app
