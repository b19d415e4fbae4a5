#include "shell_extension.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <algorithm>
#include <cstdint>

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

std::optional<QVariantList> ShellExtension::ask(const QString& method, int count,
                                                const QVariantList& arguments) const {
    if (!m_available) {
        return std::nullopt;
    }
    const QDBusMessage reply = call(method, arguments);
    if (!answered(reply, count)) {
        return std::nullopt;
    }
    return reply.arguments();
}

std::optional<ShellExtension::Sources> ShellExtension::inputSources() const {
    const auto reply = ask(QStringLiteral("InputSources"), 2);
    if (!reply) {
        return std::nullopt;
    }
    Sources result;
    const auto array = reply->at(0).value<QDBusArgument>();
    array.beginArray();
    while (!array.atEnd()) {
        QString type, id, name;
        array.beginStructure();
        array >> type >> id >> name;
        array.endStructure();
        result.sources.push_back({type.toStdString(), id.toStdString(), name.toStdString()});
    }
    array.endArray();
    result.current = reply->at(1).toInt();
    return result;
}

bool ShellExtension::activateInputSource(unsigned index) const {
    const auto reply = ask(QStringLiteral("ActivateInputSource"), 1, {index});
    return reply && reply->at(0).toBool();
}

std::optional<ShellExtension::FocusedApplication> ShellExtension::focusedApplication() const {
    const auto reply = ask(QStringLiteral("FocusedApplication"), 3);
    if (!reply) {
        return std::nullopt;
    }
    const auto& a = *reply;
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

std::optional<std::vector<std::string>> ShellExtension::clipboardTypes(bool primary) const {
    const auto reply = ask(QStringLiteral("ClipboardTypes"), 1, {primary});
    if (!reply) {
        return std::nullopt;
    }
    std::vector<std::string> types;
    for (const QString& type : reply->at(0).toStringList()) {
        types.push_back(type.toStdString());
    }
    return types;
}

wayland::OfferReader::Fetched ShellExtension::clipboardContent(
    bool primary, const std::string& type, std::size_t maxBytes,
    std::chrono::milliseconds timeout) const {
    using Outcome = wayland::OfferReader::Outcome;
    wayland::OfferReader::Fetched fetched;
    if (!m_available) {
        return fetched;
    }
    const auto limit = static_cast<uint>(std::min<std::size_t>(maxBytes, UINT32_MAX - 1));
    const auto wait = static_cast<uint>(std::max<long long>(timeout.count(), 1));
    // The shell gives the owner `wait` to answer; the reply itself needs a little more.
    const QDBusMessage reply =
        call(QStringLiteral("ClipboardContent"),
             {primary, QString::fromStdString(type), limit, wait}, static_cast<int>(wait) + 200);
    if (!answered(reply, 2)) {
        fetched.outcome =
            reply.type() == QDBusMessage::ErrorMessage &&
                    reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NoReply")
                ? Outcome::timedOut
                : Outcome::refused;
        return fetched;
    }
    const QString outcome = reply.arguments().at(1).toString();
    if (outcome == QLatin1String("received")) {
        fetched.outcome = Outcome::received;
        fetched.bytes = reply.arguments().at(0).toByteArray().toStdString();
    } else if (outcome == QLatin1String("tooLarge")) {
        fetched.outcome = Outcome::tooLarge;
    } else if (outcome == QLatin1String("timedOut")) {
        fetched.outcome = Outcome::timedOut;
    }
    return fetched;
}

std::optional<std::uint64_t> ShellExtension::setClipboardContent(bool primary,
                                                                 const std::string& type,
                                                                 const std::string& data) const {
    const auto reply =
        ask(QStringLiteral("SetClipboardContent"), 1,
            {primary, QString::fromStdString(type), QByteArray::fromStdString(data)});
    if (!reply) {
        return std::nullopt;
    }
    return reply->at(0).toULongLong();
}

std::optional<ShellExtension::Claims> ShellExtension::clipboardClaims() const {
    const auto reply = ask(QStringLiteral("ClipboardClaims"), 2);
    if (!reply) {
        return std::nullopt;
    }
    return Claims{reply->at(0).toULongLong(), reply->at(1).toULongLong()};
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

void ShellExtension::setSelectionCallback(
    std::function<void(bool primary, std::uint64_t claims)> callback) {
    m_selectionCallback = std::move(callback);
    if (m_selectionSubscribed || !m_selectionCallback) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    m_selectionSubscribed =
        bus.connect(QString(), kPath, kInterface, QStringLiteral("ClipboardOwnerChanged"), this,
                    SLOT(onSelectionOwnerChanged(bool, qulonglong)));
}

void ShellExtension::onSelectionOwnerChanged(bool primary, qulonglong claims) {
    if (m_selectionCallback) {
        m_selectionCallback(primary, claims);
    }
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
