#include "first_launch_view_model.h"

#include <QTimer>

#include "analytics/analytics_service.h"
#include "desktop_limits.h"
#include "keyboards/keyboard_detector.h"
#include "platform/log.h"
#include "platform/workspace.h"
#include "product_info.h"
#include "settings/settings.h"

namespace korrelang::ui {

FirstLaunchViewModel::FirstLaunchViewModel(ScreenServices services, QObject* parent)
    : QObject(parent), m_services(services) {
    const keyboards::DetectedKeyboards detected =
        keyboards::KeyboardDetector(m_services.inputSources).installedKeyboards();
    QList<KeyboardListModel::Keyboard> rows;
    for (const keyboards::KeyboardLayout& layout : detected.keyboards) {
        const QString id = QString::fromStdString(layout.id);
        if (m_detectedIDs.contains(id)) {
            continue;
        }
        m_detectedIDs.append(id);
        rows.append({id, QString::fromStdString(layout.localizedName)});
    }
    m_selected = m_detectedIDs;
    m_keyboards.setKeyboards(rows, m_selected);
}

void FirstLaunchViewModel::setHasAgreedToTerms(bool value) {
    if (value != m_hasAgreedToTerms) {
        m_hasAgreedToTerms = value;
        emit selectionChanged();
    }
}

bool FirstLaunchViewModel::canToggle(const QString& id) const {
    return !m_selected.contains(id) || canSwitchOff();
}

void FirstLaunchViewModel::setKeyboardSelected(const QString& id, bool selected) {
    if (!m_detectedIDs.contains(id) || selected == m_selected.contains(id) || !canToggle(id)) {
        return;
    }
    QStringList ordered;
    for (const QString& candidate : m_detectedIDs) {
        const bool on = candidate == id ? selected : m_selected.contains(candidate);
        if (on) {
            ordered.append(candidate);
        }
    }
    m_selected = ordered;
    m_keyboards.setSelection(m_selected);
    emit selectionChanged();
}

void FirstLaunchViewModel::openTermsOfUse() {
    m_services.workspace.openAddress(ProductInfo::kTermsOfUse);
}

void FirstLaunchViewModel::openPrivacyPolicy() {
    m_services.workspace.openAddress(ProductInfo::kPrivacyPolicy);
}

bool FirstLaunchViewModel::offerShellExtension() const {
    return m_services.desktopLimits && m_services.desktopLimits->needsExtension();
}

bool FirstLaunchViewModel::noTray() const {
    return m_services.desktopLimits && m_services.desktopLimits->noTray;
}

void FirstLaunchViewModel::enableShellExtension() {
    const DesktopLimits* limits = m_services.desktopLimits;
    if (limits && limits->enableExtension && !limits->enableExtension()) {
        platform::logLine("⚠️ The shell did not turn the Korrelang extension on");
    }
    // The extension announces itself on the bus a moment after the shell loaded it.
    QTimer::singleShot(kExtensionSettleMilliseconds, this,
                       [this] { emit shellExtensionChanged(); });
}

void FirstLaunchViewModel::continueOnboarding() {
    if (!canContinue()) {
        return;
    }
    settings::Settings& settings = m_services.settings;
    settings.setSelectedKeyboards(m_selected);
    settings.setHasCompletedFirstLaunch(true);
    settings.setHasAcceptedTerms(true);
    m_services.analytics.onboardingCompleted(static_cast<int>(m_selected.size()));
    emit finished();
}

bool FirstLaunchViewModel::windowClosed() {
    if (m_services.settings.hasCompletedFirstLaunch()) {
        return false;
    }
    if (!m_skipReported) {
        m_skipReported = true;
        m_services.analytics.onboardingSkipped();
    }
    return true;
}

}  // namespace korrelang::ui
