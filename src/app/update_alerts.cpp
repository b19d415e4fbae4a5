#include "update_alerts.h"

#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "platform/log.h"
#include "platform/workspace.h"
#include "updates/update_checker.h"

namespace korrelang::app {

UpdateAlerts::UpdateAlerts(updates::UpdateChecker& checker, platform::Workspace& workspace,
                           QObject* parent)
    : QObject(parent), m_workspace(workspace) {
    connect(&checker, &updates::UpdateChecker::updateAvailable, this,
            [this](const QString& version, const QUrl& page, bool) {
                platform::logLine("💡 Update available: " + version.toStdString());
                if (!updates::UpdateChecker::isDownloadAddress(page)) {
                    platform::logLine("⚠️ The update feed gave no https download address");
                }
                QMessageBox box(QMessageBox::Information, QStringLiteral("Korrelang"),
                                QStringLiteral("A new version of Korrelang is available"));
                box.setInformativeText(QStringLiteral("Korrelang %1 is available. You have %2.")
                                           .arg(version, QStringLiteral(KORRELANG_APP_VERSION)));
                QPushButton* download =
                    box.addButton(QStringLiteral("Download"), QMessageBox::AcceptRole);
                box.addButton(QStringLiteral("Later"), QMessageBox::RejectRole);
                box.setDefaultButton(download);
                box.exec();
                if (box.clickedButton() == download &&
                    updates::UpdateChecker::isDownloadAddress(page)) {
                    m_workspace.openAddress(page.toString().toStdString());
                }
            });
    connect(&checker, &updates::UpdateChecker::upToDate, this, [](bool userInitiated) {
        platform::logLine("✅ Korrelang is up to date");
        if (userInitiated) {
            QMessageBox::information(nullptr, QStringLiteral("Korrelang"),
                                     QStringLiteral("You're up to date!"));
        }
    });
    connect(&checker, &updates::UpdateChecker::checkFailed, this,
            [](const QString& reason, bool userInitiated) {
                platform::logLine("⚠️ Update check failed: " + reason.toStdString());
                if (userInitiated) {
                    QMessageBox::warning(nullptr, QStringLiteral("Korrelang"),
                                         QStringLiteral("Could not check for updates. ") + reason);
                }
            });
}

}  // namespace korrelang::app
