#pragma once

#include <QObject>
#include <QString>

namespace korrelang::service {
class HotkeyService;
}

namespace korrelang::app {

/// The running instance on the session bus: `korrelang --convert`, or a shortcut the desktop
/// binds itself, asks it to do what the hotkey's release does.
class ConversionBus : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.korrelang.Korrelang")

public:
    static constexpr const char* kService = "org.korrelang.Korrelang";
    static constexpr const char* kPath = "/org/korrelang/Korrelang";
    static constexpr const char* kInterface = "org.korrelang.Korrelang";

    explicit ConversionBus(service::HotkeyService& hotkeys, QObject* parent = nullptr)
        : QObject(parent), m_hotkeys(hotkeys) {}
    ~ConversionBus() override;

    /// Exports the object and takes the name; false (with `error` set) when another instance
    /// owns it or there is no session bus.
    bool publish(QString& error);

public slots:
    Q_SCRIPTABLE void Convert();

private:
    service::HotkeyService& m_hotkeys;
    bool m_published = false;
};

}  // namespace korrelang::app
