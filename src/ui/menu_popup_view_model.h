#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include "direction_group_model.h"

namespace korrelang::settings {
class Settings;
}
namespace korrelang::service {
class AccessibilityService;
}

namespace korrelang::ui {

/// What the dashboard shows, derived from the settings and the conversion log. It keeps no
/// figures of its own between changes: every change of the settings or the log recomputes them.
///
/// The accessibility permission is polled every 3 s, and only while the dashboard is shown, so a
/// closed popup costs no timer. The shell owns the popup window and listens to the request
/// signals; the view model never reaches for the shell.
class MenuPopupViewModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created by the application shell")
    Q_PROPERTY(bool isEnabled READ isEnabled WRITE setIsEnabled NOTIFY isEnabledChanged)
    Q_PROPERTY(QString shortcutText READ shortcutText NOTIFY shortcutTextChanged)
    Q_PROPERTY(bool hasAccessibility READ hasAccessibility NOTIFY hasAccessibilityChanged)
    Q_PROPERTY(QString period READ period WRITE setPeriod NOTIFY figuresChanged)
    Q_PROPERTY(QStringList periods READ periods CONSTANT)
    Q_PROPERTY(int conversionCount READ conversionCount NOTIFY figuresChanged)
    Q_PROPERTY(bool changeVisible READ changeVisible NOTIFY figuresChanged)
    Q_PROPERTY(QString changeText READ changeText NOTIFY figuresChanged)
    Q_PROPERTY(bool changeIsRise READ changeIsRise NOTIFY figuresChanged)
    Q_PROPERTY(QString charactersText READ charactersText NOTIFY figuresChanged)
    Q_PROPERTY(korrelang::ui::DirectionGroupModel* directionGroups READ directionGroups CONSTANT)
    Q_PROPERTY(QString hintText READ hintText NOTIFY figuresChanged)

public:
    static constexpr int kPermissionPollMilliseconds = 3000;
    static constexpr int kPromptDelayMilliseconds = 300;

    MenuPopupViewModel(settings::Settings& settings, service::AccessibilityService& accessibility,
                       QObject* parent = nullptr);

    bool isEnabled() const;
    void setIsEnabled(bool value);
    /// The hotkey's display text; empty when no shortcut is stored.
    QString shortcutText() const { return m_shortcutText; }
    void setShortcutText(const QString& text);
    bool hasAccessibility() const { return m_hasAccessibility; }
    QString period() const;
    void setPeriod(const QString& period);
    QStringList periods() const;

    int conversionCount() const { return m_conversionCount; }
    bool changeVisible() const { return m_changeVisible; }
    QString changeText() const { return m_changeText; }
    bool changeIsRise() const { return m_changeIsRise; }
    QString charactersText() const { return m_charactersText; }
    /// The cards of directions; the fraction of a row is its bar's share of the busiest one.
    DirectionGroupModel* directionGroups() { return &m_directionGroups; }
    /// "Use … to convert text" when there is nothing to list and a hotkey exists; else empty.
    QString hintText() const { return m_hintText; }

    /// The popup tells when it is shown or hidden: shown starts the permission polling with an
    /// immediate check and recomputes the figures (the period may have moved on); hidden stops it.
    Q_INVOKABLE void setShown(bool shown);
    bool isPolling() const { return m_pollTimer.isActive(); }

    Q_INVOKABLE void openPreferences();
    Q_INVOKABLE void quit();
    /// Closes the popup, then asks for the permission a moment later, once the popup is gone.
    Q_INVOKABLE void grantPermission();

public slots:
    /// Recomputes every figure and text (also when the language changes).
    void refresh();
    void checkPermission();

signals:
    void isEnabledChanged();
    void shortcutTextChanged();
    void hasAccessibilityChanged();
    void figuresChanged();
    void closeRequested();
    void preferencesRequested();
    void quitRequested();

private:
    settings::Settings& m_settings;
    service::AccessibilityService& m_accessibility;
    QTimer m_pollTimer;
    QString m_shortcutText;
    bool m_hasAccessibility = true;

    int m_conversionCount = 0;
    bool m_changeVisible = false;
    QString m_changeText;
    bool m_changeIsRise = false;
    QString m_charactersText = QStringLiteral("0");
    DirectionGroupModel m_directionGroups{this};
    QString m_hintText;
};

}  // namespace korrelang::ui
