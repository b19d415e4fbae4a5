#include "update_alerts.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>

#include "platform/log.h"
#include "platform/workspace.h"
#include "updates/update_checker.h"

namespace korrelang::app {

namespace {

// The checker's reasons are English (they are logged too); the alert shows them translated.
QString translatedReason(const QString& reason) {
    static const QRegularExpression answered(
        QStringLiteral("^The update server answered (\\d+)\\.$"));
    if (const QRegularExpressionMatch match = answered.match(reason); match.hasMatch()) {
        return UpdateAlerts::tr("The update server answered %1.").arg(match.captured(1));
    }
    if (reason == u"This build has no update feed.") {
        return UpdateAlerts::tr("This build has no update feed.");
    }
    if (reason == u"The update feed could not be read.") {
        return UpdateAlerts::tr("The update feed could not be read.");
    }
    return reason;
}

void information(const QString& text, const QString& detail, QMessageBox::Icon icon) {
    QMessageBox box(icon, QStringLiteral("Korrelang"), text, QMessageBox::NoButton);
    box.setInformativeText(detail);
    box.addButton(UpdateAlerts::tr("OK"), QMessageBox::AcceptRole);
    box.exec();
}

}  // namespace

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
                                tr("A new version of Korrelang is available"));
                box.setInformativeText(tr("Korrelang %1 is available. You have %2.")
                                           .arg(version, QStringLiteral(KORRELANG_APP_VERSION)));
                QPushButton* download = box.addButton(tr("Download"), QMessageBox::AcceptRole);
                box.addButton(tr("Later"), QMessageBox::RejectRole);
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
            information(tr("You're up to date!"), {}, QMessageBox::Information);
        }
    });
    connect(&checker, &updates::UpdateChecker::checkFailed, this,
            [](const QString& reason, bool userInitiated) {
                platform::logLine("⚠️ Update check failed: " + reason.toStdString());
                if (userInitiated) {
                    information(tr("Could not check for updates."), translatedReason(reason),
                                QMessageBox::Warning);
                }
            });
}

}  // namespace korrelang::app
