#include "kwin_active_window.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>

#include "platform/log.h"

namespace korrelang::platform::kwin {

namespace {

const QString kKwin = QStringLiteral("org.kde.KWin");
const QString kScripting = QStringLiteral("org.kde.kwin.Scripting");
constexpr int kTimeoutMs = 3000;

// Plasma 5 names the active window a client, Plasma 6 a window; the script accepts both.
constexpr const char* kScript = R"JS((function () {
    var service = "%1";
    function report(w) {
        callDBus(service, "/org/korrelang/ActiveWindow", "org.korrelang.ActiveWindow", "update",
                 w ? String(w.resourceClass) : "", w ? String(w.desktopFileName || "") : "",
                 w && w.pid > 0 ? String(w.pid) : "");
    }
    (workspace.windowActivated || workspace.clientActivated).connect(report);
    report(workspace.activeWindow !== undefined ? workspace.activeWindow : workspace.activeClient);
})();
)JS";

QDBusMessage callScripting(const QDBusConnection& connection, const QString& method,
                           const QVariantList& arguments) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kKwin, QStringLiteral("/Scripting"), kScripting, method);
    call.setArguments(arguments);
    return connection.call(call, QDBus::Block, kTimeoutMs);
}

}  // namespace

KwinActiveWindow::KwinActiveWindow(QDBusConnection connection, QObject* parent)
    : QObject(parent), m_connection(std::move(connection)) {
    if (!m_connection.registerObject(QString::fromLatin1(kObjectPath), this,
                                     QDBusConnection::ExportScriptableSlots)) {
        logLine("❌ Cannot receive KWin's reports of the active window: the object path is taken");
        return;
    }
    if (!load()) {
        m_connection.unregisterObject(QString::fromLatin1(kObjectPath));
    }
}

KwinActiveWindow::~KwinActiveWindow() {
    unload();
    m_connection.unregisterObject(QString::fromLatin1(kObjectPath));
}

bool KwinActiveWindow::load() {
    if (!m_scriptDirectory.isValid()) {
        logLine("❌ Cannot write the KWin script: no temporary directory");
        return false;
    }
    const QString path = m_scriptDirectory.filePath(QStringLiteral("active-window.js"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QString::fromLatin1(kScript).arg(m_connection.baseService()).toUtf8()) < 0) {
        logLine("❌ Cannot write the KWin script");
        return false;
    }
    file.close();
    // One script per process: a second instance (a test) must not unload the first one's.
    const QString plugin =
        QStringLiteral("korrelang-active-window-%1").arg(QCoreApplication::applicationPid());
    const QDBusMessage loaded =
        callScripting(m_connection, QStringLiteral("loadScript"), {path, plugin});
    const int id = loaded.arguments().value(0, -1).toInt();
    if (loaded.type() != QDBusMessage::ReplyMessage || id < 0) {
        logLine("❌ KWin did not load the active-window script: " +
                loaded.errorMessage().toStdString());
        return false;
    }
    m_pluginName = plugin;
    const QDBusMessage started = callScripting(m_connection, QStringLiteral("start"), {});
    if (started.type() != QDBusMessage::ReplyMessage) {
        logLine("❌ KWin did not start the active-window script: " +
                started.errorMessage().toStdString());
        unload();
        return false;
    }
    return true;
}

void KwinActiveWindow::unload() {
    if (m_pluginName.isEmpty()) {
        return;
    }
    callScripting(m_connection, QStringLiteral("unloadScript"), {m_pluginName});
    m_pluginName.clear();
}

std::optional<KwinActiveWindow::Window> KwinActiveWindow::current() const {
    const std::lock_guard lock(m_mutex);
    return m_window;
}

void KwinActiveWindow::update(const QString& resourceClass, const QString& desktopFile,
                              const QString& processId) {
    // Only KWin speaks for the compositor.
    if (calledFromDBus()) {
        const auto owner = connection().interface()->serviceOwner(kKwin);
        if (!owner.isValid() || owner.value() != message().service()) {
            return;
        }
    }
    std::optional<Window> window;
    if (!resourceClass.isEmpty() || !desktopFile.isEmpty()) {
        bool ok = false;
        const long pid = processId.toLong(&ok);
        window = Window{resourceClass.toStdString(), desktopFile.toStdString(),
                        ok && pid > 0 ? std::optional(pid) : std::nullopt};
    }
    {
        const std::lock_guard lock(m_mutex);
        if (m_window == window) {
            return;
        }
        m_window = std::move(window);
    }
    emit changed();
}

}  // namespace korrelang::platform::kwin
