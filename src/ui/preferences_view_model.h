#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include "blacklist_model.h"
#include "keyboard_list_model.h"
#include "screen_services.h"
#include "settings/settings.h"
#include "shortcuts/recorder_control.h"

namespace korrelang::ui {

/// The preferences tab: which keyboards take part, the hotkey, the blacklist, the update switch
/// and the accessibility warning. The four behaviour switches bind to the settings directly.
///
/// The keyboards are read when the tab is shown. The selection is always stored in the
/// detector's order, so that the order that breaks ties in detection never depends on the order
/// of the user's clicks. When the detector only has its fallback list, nothing stored is dropped.
class PreferencesViewModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created with the settings window")
    Q_PROPERTY(korrelang::settings::Settings* settings READ settingsObject CONSTANT)
    Q_PROPERTY(korrelang::shortcuts::RecorderControl* recorder READ recorderObject CONSTANT)
    Q_PROPERTY(korrelang::ui::KeyboardListModel* keyboards READ keyboards CONSTANT)
    Q_PROPERTY(QStringList selectedKeyboards READ selectedKeyboards NOTIFY selectedKeyboardsChanged)
    Q_PROPERTY(QString currentAppName READ currentAppName NOTIFY frontmostChanged)
    Q_PROPERTY(bool canBlacklist READ canBlacklist NOTIFY frontmostChanged)
    Q_PROPERTY(korrelang::ui::BlacklistModel* blacklist READ blacklist CONSTANT)
    Q_PROPERTY(bool hasAccessibility READ hasAccessibility NOTIFY hasAccessibilityChanged)
    Q_PROPERTY(bool canCapitalize READ canCapitalize CONSTANT)
    Q_PROPERTY(bool hasHotkey READ hasHotkey NOTIFY hasHotkeyChanged)
    Q_PROPERTY(
        bool automaticUpdates READ automaticUpdates WRITE setAutomaticUpdates NOTIFY updatesChanged)
    Q_PROPERTY(bool canCheckForUpdates READ canCheckForUpdates CONSTANT)
    Q_PROPERTY(QString updateCaption READ updateCaption NOTIFY updatesChanged)
    /// The desktop's shell extension is off: layout switching, the paste path and the blacklist
    /// are unavailable, and the screen says how to turn it on.
    Q_PROPERTY(bool needsShellExtension READ needsShellExtension NOTIFY frontmostChanged)

public:
    static constexpr int kFrontmostPollMilliseconds = 2000;

    explicit PreferencesViewModel(ScreenServices services, QObject* parent = nullptr);

    settings::Settings* settingsObject() const;
    /// Null when the screen has no recorder.
    shortcuts::RecorderControl* recorderObject() const;
    /// In the detector's order, read when the tab is shown.
    KeyboardListModel* keyboards() { return &m_keyboards; }
    QStringList selectedKeyboards() const { return m_selected; }
    QString currentAppName() const { return m_currentAppName; }
    bool canBlacklist() const { return !m_pendingBlacklistID.isEmpty(); }
    /// In the stored order.
    BlacklistModel* blacklist() { return &m_blacklist; }
    bool hasAccessibility() const { return m_hasAccessibility; }
    /// Whether smart capitalization can work on this desktop; its switch is off and disabled
    /// otherwise.
    bool canCapitalize() const { return m_services.keyInterception; }
    bool hasHotkey() const { return m_hasHotkey; }
    /// True without an update checker; setting it then does nothing.
    bool automaticUpdates() const;
    void setAutomaticUpdates(bool value);
    bool canCheckForUpdates() const;
    /// "Last checked: …", the reason checking is off, or empty.
    QString updateCaption() const;
    bool needsShellExtension() const { return m_needsShellExtension; }

    /// The tab appeared (reads everything and starts the 2-second poll) or disappeared.
    Q_INVOKABLE void setShown(bool shown);
    bool isPolling() const { return m_pollTimer.isActive(); }
    Q_INVOKABLE void setKeyboardSelected(const QString& id, bool selected);
    Q_INVOKABLE void addToBlacklist();
    Q_INVOKABLE void removeFromBlacklist(const QString& id);
    Q_INVOKABLE void requestAccessibility();
    /// "Reset": the conversion hotkey returns to its default.
    Q_INVOKABLE void resetHotkey();
    Q_INVOKABLE void checkForUpdates();

public slots:
    /// Reads the frontmost application and the permission again (the poll's tick).
    void refreshFrontmost();

signals:
    void selectedKeyboardsChanged();
    void frontmostChanged();
    void hasAccessibilityChanged();
    void hasHotkeyChanged();
    void updatesChanged();

private:
    void loadKeyboards();
    void loadBlacklist();
    void refreshHotkey();
    void storeSelection();

    ScreenServices m_services;
    KeyboardListModel m_keyboards{this};
    BlacklistModel m_blacklist{this};
    QStringList m_detectedIDs;
    QStringList m_selected;
    QString m_currentAppName;
    QString m_pendingBlacklistID;
    bool m_hasAccessibility = true;
    bool m_hasHotkey = false;
    bool m_needsShellExtension = false;
    QTimer m_pollTimer;
};

}  // namespace korrelang::ui
