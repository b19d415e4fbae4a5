#include "menu_popup_view_model.h"

#include <QLocale>
#include <QSet>
#include <algorithm>

#include "engine/keyboard_mapping_registry.h"
#include "popup_figures.h"
#include "service/accessibility_service.h"
#include "settings/conversion_statistics.h"
#include "settings/settings.h"
#include "settings/statistics_period.h"
#include "translations.h"

namespace korrelang::ui {

MenuPopupViewModel::MenuPopupViewModel(settings::Settings& settings,
                                       service::AccessibilityService& accessibility,
                                       QObject* parent)
    : QObject(parent), m_settings(settings), m_accessibility(accessibility) {
    m_pollTimer.setInterval(kPermissionPollMilliseconds);
    connect(&m_pollTimer, &QTimer::timeout, this, &MenuPopupViewModel::checkPermission);
    connect(&m_settings, &settings::Settings::isEnabledChanged, this,
            &MenuPopupViewModel::isEnabledChanged);
    connect(&m_settings, &settings::Settings::selectedKeyboardsChanged, this,
            &MenuPopupViewModel::refresh);
    connect(&m_settings, &settings::Settings::statisticsPeriodChanged, this,
            &MenuPopupViewModel::refresh);
    connect(&m_settings, &settings::Settings::statisticsChanged, this,
            &MenuPopupViewModel::refresh);
    Translations::whenChanged(this, [this] { refresh(); });
    refresh();
}

bool MenuPopupViewModel::isEnabled() const {
    return m_settings.isEnabled();
}

void MenuPopupViewModel::setIsEnabled(bool value) {
    m_settings.setIsEnabled(value);
}

void MenuPopupViewModel::setShortcutText(const QString& text) {
    if (text == m_shortcutText) {
        return;
    }
    m_shortcutText = text;
    emit shortcutTextChanged();
    refresh();
}

QString MenuPopupViewModel::period() const {
    return m_settings.statisticsPeriodRawValue();
}

void MenuPopupViewModel::setPeriod(const QString& period) {
    m_settings.setStatisticsPeriodRawValue(period);
}

QStringList MenuPopupViewModel::periods() const {
    QStringList names;
    for (const settings::StatisticsPeriod period : settings::kAllStatisticsPeriods) {
        names.append(settings::rawValue(period));
    }
    return names;
}

void MenuPopupViewModel::refresh() {
    // One lookup per keyboard; the figures are recomputed often, so without the resolution log.
    QSet<QString> languages;
    const engine::KeyboardMappingRegistry& registry = engine::KeyboardMappingRegistry::shared();
    for (const QString& id : m_settings.selectedKeyboards()) {
        if (const auto mapping = registry.mappingFor(id.toStdString())) {
            languages.insert(QString::fromStdString(mapping->displayName()));
        }
    }
    const settings::ConversionStatistics log = m_settings.statistics();
    const settings::PeriodSummary summary = settings::ConversionStatistics::periodSummary(
        m_settings.statisticsPeriod(), languages, log.conversions());

    m_conversionCount = summary.conversionCount;
    const std::optional<int> change =
        PopupFigures::changePercent(summary.conversionCount, summary.previousConversionCount);
    m_changeVisible = change.has_value();
    const QLocale locale;
    m_changeText = change ? PopupFigures::changeText(*change, locale) : QString();
    m_changeIsRise = change && *change >= 1;
    m_charactersText = PopupFigures::characterText(summary.characterCount, locale);

    int busiest = 1;
    for (const settings::DirectionDelta& delta : summary.deltas) {
        busiest = std::max(busiest, delta.current);
    }
    QList<QList<DirectionRowModel::Row>> groups;
    for (const QList<settings::DirectionDelta>& group : PopupFigures::groupDeltas(summary.deltas)) {
        QList<DirectionRowModel::Row> rows;
        for (const settings::DirectionDelta& delta : group) {
            const std::optional<int> rowChange =
                PopupFigures::changePercent(delta.current, delta.previous);
            rows.append(DirectionRowModel::Row{
                PopupFigures::directionLabel(delta.direction), delta.current,
                static_cast<double>(delta.current) / busiest,
                rowChange ? PopupFigures::changeText(*rowChange, locale) : QString(),
                rowChange && *rowChange >= 1});
        }
        groups.append(rows);
    }
    m_directionGroups.setGroups(groups);
    m_hintText = summary.deltas.isEmpty() && !m_shortcutText.isEmpty()
                     ? tr("Use %1 to convert text").arg(m_shortcutText)
                     : QString();
    emit figuresChanged();
}

void MenuPopupViewModel::checkPermission() {
    const bool trusted = m_accessibility.checkAccessibilityPermission();
    if (trusted != m_hasAccessibility) {
        m_hasAccessibility = trusted;
        emit hasAccessibilityChanged();
    }
}

void MenuPopupViewModel::setShown(bool shown) {
    if (shown) {
        refresh();
        checkPermission();
        m_pollTimer.start();
    } else {
        m_pollTimer.stop();
    }
}

void MenuPopupViewModel::openPreferences() {
    emit preferencesRequested();
    emit closeRequested();
}

void MenuPopupViewModel::quit() {
    emit quitRequested();
}

void MenuPopupViewModel::grantPermission() {
    emit closeRequested();
    QTimer::singleShot(kPromptDelayMilliseconds, this,
                       [this] { m_accessibility.requestAccessibilityPermission(); });
}

}  // namespace korrelang::ui
