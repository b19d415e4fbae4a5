#include "settings_window_model.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QUrl>

#include "analytics/analytics_service.h"
#include "platform/workspace.h"
#include "product_info.h"

namespace korrelang::ui {

SettingsWindowModel::SettingsWindowModel(analytics::AnalyticsService& analytics,
                                         platform::Workspace& workspace, Tab tab, Tabs tabs,
                                         QObject* parent)
    : QObject(parent),
      m_analytics(analytics),
      m_workspace(workspace),
      m_selectedTab(tab),
      m_tabs(tabs) {}

void SettingsWindowModel::setSelectedTab(int tab) {
    if (tab < Settings || tab > Feedback || tab == m_selectedTab) {
        return;
    }
    m_selectedTab = tab;
    emit selectedTabChanged();
}

QString SettingsWindowModel::shareText() {
    return QStringLiteral(
               "Check out Korrelang - a Linux menu bar app that instantly converts text "
               "typed in the wrong keyboard layout. No more retyping!\n") +
           QLatin1String(ProductInfo::kWebsite);
}

void SettingsWindowModel::shareRequested() {
    m_analytics.appShared(QStringLiteral("shareSheet"));
}

void SettingsWindowModel::copyShareText() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(shareText());
    }
}

bool SettingsWindowModel::mailShareText() {
    const QString body = QString::fromLatin1(QUrl::toPercentEncoding(shareText()));
    const QString subject =
        QString::fromLatin1(QUrl::toPercentEncoding(QStringLiteral("Korrelang")));
    return m_workspace.openAddress(
        QStringLiteral("mailto:?subject=%1&body=%2").arg(subject, body).toStdString());
}

}  // namespace korrelang::ui
