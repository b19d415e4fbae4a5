#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QTemporaryDir>
#include <mutex>
#include <optional>
#include <string>

namespace korrelang::platform::kwin {

/// The window KWin has activated, as a KWin script reports it over D-Bus on every change. The
/// script is loaded through KWin's scripting service when this object starts and unloaded when
/// it goes; between changes the answer costs nothing.
class KwinActiveWindow : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.korrelang.ActiveWindow")

public:
    struct Window {
        std::string resourceClass;  ///< "mousepad"
        std::string desktopFile;    ///< "org.xfce.mousepad", empty when KWin does not know it
        std::optional<long> processId;
        bool operator==(const Window&) const = default;
    };

    explicit KwinActiveWindow(QDBusConnection connection = QDBusConnection::sessionBus(),
                              QObject* parent = nullptr);
    ~KwinActiveWindow() override;

    /// Whether the script runs.
    bool isRunning() const { return !m_pluginName.isEmpty(); }
    /// The active window; nothing before the first report or when no window is active. Any
    /// thread may call it.
    std::optional<Window> current() const;

    static constexpr const char* kObjectPath = "/org/korrelang/ActiveWindow";

public slots:
    /// Called by the script: the class, desktop file name and process id of the active window,
    /// all empty when none is.
    Q_SCRIPTABLE void update(const QString& resourceClass, const QString& desktopFile,
                             const QString& processId);

signals:
    void changed();

private:
    bool load();
    void unload();

    QDBusConnection m_connection;
    QTemporaryDir m_scriptDirectory;
    QString m_pluginName;
    mutable std::mutex m_mutex;
    std::optional<Window> m_window;
};

}  // namespace korrelang::platform::kwin
