#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <functional>

#include "platform/input_sources.h"
#include "platform/x11/layout_identifier.h"
#include "platform/x11/xkb_registry.h"

namespace korrelang::platform::kwin {

/// Keyboard layouts through KDE's keyboard service (org.kde.keyboard /Layouts), with identifiers
/// in the same "xkb.<layout>[(<variant>)].<Name>" form as on X11 so that settings carry over.
/// The service names layouts without their variants; those come from the desktop's keyboard
/// settings file (kxkbrc), in the same order. The list and the active layout are asked once and
/// kept until the service reports a change (or leaves the bus): each hotkey press reads them, and
/// the service's signals come on the same connection, before any later shortcut's. Main thread
/// only.
class KdeKeyboardLayouts : public QObject, public InputSources {
    Q_OBJECT

public:
    /// `settingsFile` is the kxkbrc to read variants from; empty means the user's.
    explicit KdeKeyboardLayouts(QDBusConnection connection = QDBusConnection::sessionBus(),
                                QString settingsFile = {});

    std::optional<std::vector<InputSource>> enabledSources() const override;
    std::optional<std::string> currentSourceID() const override;
    SelectStatus selectSource(std::string_view id) override;
    std::optional<std::string> keyText(KeyCode key) const override;
    void setChangeCallback(std::function<void()> callback) override;

    /// The layouts in the service's order, variants included; nothing when the service does not
    /// answer.
    std::optional<std::vector<x11::XkbLayout>> layouts() const;

private slots:
    void onChanged();
    void forget();

private:
    std::optional<unsigned> activeIndex() const;
    std::optional<unsigned> askActiveIndex() const;
    QStringList variants() const;

    QDBusConnection m_connection;
    QString m_settingsFile;
    x11::XkbRegistry m_registry;
    QDBusServiceWatcher m_owner;
    std::function<void()> m_changeCallback;
    mutable std::optional<std::vector<InputSource>> m_sources;
    mutable std::optional<unsigned> m_active;
    bool m_listening = false;
    bool m_watching = false;  ///< the signals that end the kept answers are connected
};

}  // namespace korrelang::platform::kwin
