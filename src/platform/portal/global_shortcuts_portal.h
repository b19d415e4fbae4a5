#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>
#include <map>
#include <optional>
#include <string>

#include "platform/hot_keys.h"

namespace korrelang::platform::portal {

class PortalRequest;

/// Global hot keys through the desktop's GlobalShortcuts portal.
///
/// The portal binds shortcuts to a session; the desktop owns the keys and may let the user pick
/// another trigger, so the trigger that counts is the one the desktop reports. Two flows exist:
/// desktops that bind the shortcuts passed in CreateSession's options and answer with them, and
/// desktops that bind them with BindShortcuts afterwards, possibly after asking the user in a
/// dialog (which the user may cancel). Every change of the registered set binds the whole set
/// again. Activated and Deactivated become the press and release callbacks.
///
/// A registration answers at once: success when the portal offers the interface, the binding
/// itself follows asynchronously and its outcome shows in `trigger` and the log. Main thread only.
class GlobalShortcutsPortal : public QObject, public HotKeys {
    Q_OBJECT

public:
    enum class State { idle, creating, binding, bound, cancelled, failed };

    explicit GlobalShortcutsPortal(QDBusConnection connection = QDBusConnection::sessionBus(),
                                   QObject* parent = nullptr);
    ~GlobalShortcutsPortal() override;

    /// Whether the session bus offers the GlobalShortcuts portal (its version property answers).
    bool isAvailable() const;

    Registration registerHotKey(KeyCode key, Modifiers modifiers, Callback onPress,
                                Callback onRelease) override;
    void unregisterHotKey(int id) override;
    /// The desktop keeps the keys while suspended; presses are only not reported.
    void suspend() override;
    bool resume() override;

    /// The trigger the desktop reports for a registration ("Ctrl+Shift+Space"); nothing before
    /// the desktop answered or when it bound nothing.
    std::optional<std::string> trigger(int id) const;
    std::optional<std::string> boundTrigger(int id) const override { return trigger(id); }
    void setTriggerCallback(Callback callback) override;
    /// The shortcut id the portal knows a registration by: its number and the trigger asked for.
    /// A desktop keeps the trigger it has for an id it knows (the user may have set it), so a
    /// shortcut recorded anew comes under an id of its own. Empty for an unknown registration.
    QString shortcutId(int id) const;
    State state() const { return m_state; }

signals:
    /// The desktop bound, re-bound or changed a trigger, or refused: read `trigger` again.
    void triggersChanged();

private slots:
    void onActivated(const QDBusMessage& message);
    void onDeactivated(const QDBusMessage& message);
    void onShortcutsChanged(const QDBusMessage& message);

private:
    struct Entry {
        std::string preferredTrigger;
        Callback onPress;
        Callback onRelease;
        std::optional<std::string> trigger;
    };

    void scheduleBind();
    void bind();
    void createSession();
    void bindShortcuts();
    void closeSession();
    void applyTriggers(const std::map<std::string, std::string>& triggers);
    void finish(State state);
    QVariant shortcutList() const;
    /// The registered set as it would be bound: id → preferred trigger.
    std::map<int, std::string> boundSet() const;
    QString nextToken();
    /// Runs the press or release callback of the shortcut an Activated or Deactivated names.
    void report(const QDBusMessage& message, bool pressed);

    QDBusConnection m_connection;
    std::map<int, Entry> m_entries;
    QString m_session;
    State m_state = State::idle;
    bool m_dirty = false;
    bool m_scheduled = false;
    bool m_suspended = false;
    bool m_bindUnsupported = false;
    int m_tokenCounter = 0;
    QPointer<PortalRequest> m_request;
    Callback m_triggerCallback;
    std::map<int, std::string> m_boundSet;
};

}  // namespace korrelang::platform::portal
