#include "shell_extension.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>

#include "platform/log.h"

namespace korrelang::platform::gnome {
namespace {

// The shell answers in about a millisecond; a busy one gets some slack, a hung one no more.
constexpr int kTimeout = 500;  // milliseconds
constexpr int kKeyTimeout = 2000;

QDBusMessage call(const QString& method, const QVariantList& arguments = {},
                  int timeout = kTimeout) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        ShellExtension::kShell, ShellExtension::kPath, ShellExtension::kInterface, method);
    message.setArguments(arguments);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(message, QDBus::Block, timeout);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        logLine("GNOME Shell extension: " + method.toStdString() +
                " failed: " + reply.errorMessage().toStdString());
    }
    return reply;
}

bool answered(const QDBusMessage& reply, int count) {
    return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == count;
}

}  // namespace

ShellExtension::ShellExtension(QObject* parent)
    : QObject(parent),
      m_watcher(QString::fromLatin1(kName), QDBusConnection::sessionBus(),
                QDBusServiceWatcher::WatchForOwnerChange) {
    // Watch first, then ask, so that no change falls between the two.
    connect(&m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            &ShellExtension::onOwnerChanged);
    const auto* bus = QDBusConnection::sessionBus().interface();
    m_available = bus && bus->isServiceRegistered(QString::fromLatin1(kName)).value();
}

bool ShellExtension::enable() const {
    bool enabled = false;
    for (const char* uuid : {kUuid, kLegacyUuid}) {
        QDBusMessage message = QDBusMessage::createMethodCall(
            kShell, QStringLiteral("/org/gnome/Shell"),
            QStringLiteral("org.gnome.Shell.Extensions"), QStringLiteral("EnableExtension"));
        message.setArguments({QString::fromLatin1(uuid)});
        const QDBusMessage reply =
            QDBusConnection::sessionBus().call(message, QDBus::Block, kTimeout);
        enabled = enabled || (answered(reply, 1) && reply.arguments().at(0).toBool());
    }
    if (!enabled) {
        logLine("GNOME Shell extension: the shell did not enable it");
    }
    return enabled;
}

std::optional<ShellExtension::Sources> ShellExtension::inputSources() const {
    if (!m_available) {
        return std::nullopt;
    }
    const QDBusMessage reply = call(QStringLiteral("InputSources"));
    if (!answered(reply, 2)) {
        return std::nullopt;
    }
    Sources result;
    const auto array = reply.arguments().at(0).value<QDBusArgument>();
    array.beginArray();
    while (!array.atEnd()) {
        QString type, id, name;
        array.beginStructure();
        array >> type >> id >> name;
        array.endStructure();
        result.sources.push_back({type.toStdString(), id.toStdString(), name.toStdString()});
    }
    array.endArray();
    result.current = reply.arguments().at(1).toInt();
    return result;
}

bool ShellExtension::activateInputSource(unsigned index) const {
    if (!m_available) {
        return false;
    }
    const QDBusMessage reply = call(QStringLiteral("ActivateInputSource"), {index});
    return answered(reply, 1) && reply.arguments().at(0).toBool();
}

std::optional<ShellExtension::FocusedApplication> ShellExtension::focusedApplication() const {
    if (!m_available) {
        return std::nullopt;
    }
    const QDBusMessage reply = call(QStringLiteral("FocusedApplication"));
    if (!answered(reply, 3)) {
        return std::nullopt;
    }
    const auto& a = reply.arguments();
    FocusedApplication application{a.at(0).toString().toStdString(),
                                   a.at(1).toString().toStdString(), std::nullopt};
    if (a.at(2).toInt() > 0) {
        application.pid = a.at(2).toInt();
    }
    if (application.id.empty() && !application.pid) {
        return std::nullopt;
    }
    // The shell names applications after their desktop entry.
    constexpr std::string_view suffix = ".desktop";
    if (application.id.ends_with(suffix)) {
        application.id.resize(application.id.size() - suffix.size());
    }
    return application;
}

std::optional<std::vector<std::string>> ShellExtension::clipboardTypes() const {
    if (!m_available) {
        return std::nullopt;
    }
    const QDBusMessage reply = call(QStringLiteral("ClipboardTypes"));
    if (!answered(reply, 1)) {
        return std::nullopt;
    }
    std::vector<std::string> types;
    for (const QString& type : reply.arguments().at(0).toStringList()) {
        types.push_back(type.toStdString());
    }
    return types;
}

std::optional<std::string> ShellExtension::clipboardContent(const std::string& type) const {
    if (!m_available) {
        return std::nullopt;
    }
    const QDBusMessage reply =
        call(QStringLiteral("ClipboardContent"), {QString::fromStdString(type)});
    if (!answered(reply, 1)) {
        return std::nullopt;
    }
    return reply.arguments().at(0).toByteArray().toStdString();
}

bool ShellExtension::setClipboardContent(const std::string& type, const std::string& data) const {
    if (!m_available) {
        return false;
    }
    const QDBusMessage reply =
        call(QStringLiteral("SetClipboardContent"),
             {QString::fromStdString(type), QByteArray::fromStdString(data)});
    return reply.type() == QDBusMessage::ReplyMessage;
}

bool ShellExtension::keyChord(const std::vector<std::uint32_t>& keys) const {
    if (!m_available) {
        return false;
    }
    QList<uint> codes;
    for (const std::uint32_t key : keys) {
        codes.append(key);
    }
    const QDBusMessage reply =
        call(QStringLiteral("KeyChord"), {QVariant::fromValue(codes)}, kKeyTimeout);
    return reply.type() == QDBusMessage::ReplyMessage;
}

void ShellExtension::setChangeCallback(std::function<void()> callback) {
    m_changeCallback = std::move(callback);
    if (m_subscribed || !m_changeCallback) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    m_subscribed = bus.connect(QString(), kPath, kInterface, QStringLiteral("InputSourceChanged"),
                               this, SLOT(onSourceChanged(int)));
}

void ShellExtension::onSourceChanged(int) {
    if (m_changeCallback) {
        m_changeCallback();
    }
}

void ShellExtension::onOwnerChanged(const QString&, const QString&, const QString& newOwner) {
    m_available = !newOwner.isEmpty();
    logLine(m_available ? "GNOME Shell extension: on" : "GNOME Shell extension: off");
    if (m_changeCallback) {
        m_changeCallback();
    }
}

}  // namespace korrelang::platform::gnome
