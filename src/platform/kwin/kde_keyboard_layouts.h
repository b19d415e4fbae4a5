#pragma once

#include <QDBusConnection>
#include <QObject>
#include <functional>
#include <memory>

#include "platform/input_sources.h"
#include "platform/x11/layout_identifier.h"
#include "platform/x11/xkb_registry.h"

namespace korrelang::platform::kwin {

/// Keyboard layouts through KDE's keyboard service (org.kde.keyboard /Layouts), with identifiers
/// in the same "xkb.<layout>[(<variant>)].<Name>" form as on X11 so that settings carry over.
/// The service names layouts without their variants; those come from the desktop's keyboard
/// settings file (kxkbrc), in the same order. Main thread only.
class KdeKeyboardLayouts : public QObject, public InputSources {
    Q_OBJECT

public:
    /// `settingsFile` is the kxkbrc to read variants from; empty means the user's.
    explicit KdeKeyboardLayouts(QDBusConnection connection = QDBusConnection::sessionBus(),
                                QString settingsFile = {});
    ~KdeKeyboardLayouts() override;

    std::optional<std::vector<InputSource>> enabledSources() const override;
    std::optional<std::string> currentSourceID() const override;
    int selectSource(std::string_view id) override;
    std::optional<std::string> keyText(KeyCode key) const override;
    void setChangeCallback(std::function<void()> callback) override;

    /// The layouts in the service's order, variants included; nothing when the service does not
    /// answer.
    std::optional<std::vector<x11::XkbLayout>> layouts() const;

    static constexpr int kNoService = -1;
    static constexpr int kNotEnabled = -2;
    static constexpr int kRefused = 1;
    static constexpr int kNotApplied = 2;

private slots:
    void onChanged();

private:
    std::optional<unsigned> activeIndex() const;
    QStringList variants() const;

    QDBusConnection m_connection;
    QString m_settingsFile;
    x11::XkbRegistry m_registry;
    std::function<void()> m_changeCallback;
    bool m_listening = false;
};

}  // namespace korrelang::platform::kwin
