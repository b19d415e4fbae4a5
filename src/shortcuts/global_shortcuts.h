#pragma once

#include <QObject>
#include <QSettings>
#include <QTimer>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "shortcut.h"
#include "shortcut_name.h"

namespace korrelang::platform {
class HotKeys;
class InputSources;
}  // namespace korrelang::platform

namespace korrelang::shortcuts {

/// The named global shortcuts: their storage in the settings file, their registration with the
/// desktop's hot keys, and the handlers that run when one is pressed or released.
///
/// A shortcut is stored under "GlobalShortcuts_" + the name's raw value as a GTK accelerator
/// ("<Control><Shift>space"), or as false when the user cleared a name that has a default (the
/// default is then not applied again). addName rewrites a value of the earlier JSON form once;
/// an unreadable value is moved aside under the same key + "Unreadable" and the default applies. A
/// shortcut counts as registered only when the desktop accepted the grab; a refused grab is retried
/// by updateEventHandling(). Main thread only.
class GlobalShortcuts : public QObject {
    Q_OBJECT

public:
    using Action = std::function<void()>;
    enum class EventType { KeyDown, KeyUp };

    /// `storePath` is the settings file (INI).
    GlobalShortcuts(const QString& storePath, platform::HotKeys& hotKeys,
                    const platform::InputSources& inputSources, QObject* parent = nullptr);
    ~GlobalShortcuts() override;

    /// Makes a name known: stores its default when the file holds nothing for it, and brings a
    /// stored value into the current form.
    void addName(const Name& name);

    std::optional<Shortcut> shortcutFor(const Name& name) const;
    /// Stores (or clears, with nothing) the shortcut of `name`, moving the registration from the
    /// old shortcut to the new one.
    void storeShortcut(const std::optional<Shortcut>& shortcut, const Name& name);
    void resetToDefaults(const std::vector<Name>& names);

    void addKeyUpHandler(const Name& name, Action action);
    void addKeyDownHandler(const Name& name, Action action);

    /// While a recorder listens, shortcuts are recorded instead of dispatched.
    bool recorderActive() const { return m_recorderActive; }
    void setRecorderActive(bool active);

    /// Whether the desktop holds a grab for `shortcut` now.
    bool isRegistered(const Shortcut& shortcut) const;
    /// Grabs again every stored shortcut that has handlers but no grab (it was refused before).
    /// Runs by itself every retryIntervalMs while a grab is missing.
    void updateEventHandling();
    void setRetryInterval(int milliseconds) { m_retryTimer.setInterval(milliseconds); }
    static constexpr int kRetryIntervalMs = 10'000;

    /// The shortcut as the user reads it ("Ctrl+Shift+Space"), or, where the desktop owns the keys,
    /// the trigger the desktop reports for it.
    std::string description(const Shortcut& shortcut) const;

    static QString storeKey(const Name& name);

signals:
    /// After every stored change of a name's shortcut.
    void shortcutByNameDidChange(const QString& name);
    void recorderActiveStatusDidChange(bool isActive);

private:
    struct HotKey {
        Shortcut shortcut;
        int systemId = 0;
    };

    void addHandler(EventType type, const Name& name, Action action);
    void migrate(const Name& name);
    bool registerShortcut(const Shortcut& shortcut);
    void unregisterShortcut(const Shortcut& shortcut);
    void dispatch(EventType type, const Shortcut& shortcut);
    void changed(const Name& name);

    QSettings m_store;
    platform::HotKeys& m_hotKeys;
    const platform::InputSources& m_inputSources;
    std::vector<HotKey> m_registrations;  ///< the grabs the desktop accepted
    std::map<std::string, Name> m_names;
    std::map<std::string, std::vector<Action>> m_keyDownHandlers;
    std::map<std::string, std::vector<Action>> m_keyUpHandlers;
    bool m_recorderActive = false;
    QTimer m_retryTimer;
};

}  // namespace korrelang::shortcuts
