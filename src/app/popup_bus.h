#pragma once

#include <QObject>
#include <functional>

namespace korrelang::app {

/// The running instance's dashboard on the session bus: a second `korrelang` started without
/// arguments asks the first to open its popup and ends, instead of starting a second tray icon.
/// Exported beside the conversion object, under the same bus name.
class PopupBus : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.korrelang.Korrelang.Popup")

public:
    static constexpr const char* kService = "org.korrelang.Korrelang";
    static constexpr const char* kPath = "/org/korrelang/Korrelang/Popup";
    static constexpr const char* kInterface = "org.korrelang.Korrelang.Popup";

    explicit PopupBus(std::function<void()> show, QObject* parent = nullptr)
        : QObject(parent), m_show(std::move(show)) {}
    ~PopupBus() override;

    /// Exports the object on the session bus; false when there is no bus or the path is taken.
    bool publish();

    /// Whether another process owns the application's bus name.
    static bool isRunning();
    /// The client side: asks the running instance to show its popup. Returns the exit status.
    static int requestShow();

public slots:
    Q_SCRIPTABLE void Show();

private:
    std::function<void()> m_show;
    bool m_published = false;
};

}  // namespace korrelang::app
