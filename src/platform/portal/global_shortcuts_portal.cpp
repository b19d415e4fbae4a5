#include "global_shortcuts_portal.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>

#include "platform/log.h"
#include "portal_reply.h"
#include "portal_request.h"
#include "trigger_text.h"

namespace korrelang::platform::portal {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
constexpr int kCallTimeoutMs = 5000;

}  // namespace

GlobalShortcutsPortal::GlobalShortcutsPortal(QDBusConnection connection, QObject* parent)
    : QObject(parent), m_connection(std::move(connection)) {
    PortalReply::registerTypes();
    for (const char* name : {"Activated", "Deactivated", "ShortcutsChanged"}) {
        const QByteArray slot = QByteArray("1on") + name + "(QDBusMessage)";
        m_connection.connect(kService, kPath, kInterface, QString::fromLatin1(name), this,
                             slot.constData());
    }
}

GlobalShortcutsPortal::~GlobalShortcutsPortal() {
    closeSession();
}

bool GlobalShortcutsPortal::isAvailable() const {
    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << kInterface << QStringLiteral("version");
    const QDBusMessage reply = m_connection.call(call, QDBus::Block, kCallTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

HotKeys::Registration GlobalShortcutsPortal::registerHotKey(KeyCode key, Modifiers modifiers,
                                                            Callback onPress, Callback onRelease) {
    const auto trigger = TriggerText::build(key, modifiers);
    if (!trigger) {
        return {0, RegistrationStatus::unknownKey};
    }
    if (!m_connection.isConnected() || !isAvailable()) {
        logLine(
            "❌ The desktop offers no GlobalShortcuts portal: bind \"korrelang --convert\" to a "
            "shortcut in the desktop's settings instead");
        return {0, RegistrationStatus::noDisplay};
    }
    // The lowest free id, so that the first shortcut keeps its id from one start to the next and
    // the desktop recognises it.
    int id = 1;
    while (m_entries.contains(id)) {
        ++id;
    }
    m_entries[id] = Entry{*trigger, std::move(onPress), std::move(onRelease), std::nullopt};
    scheduleBind();
    return {id, RegistrationStatus::ok};
}

void GlobalShortcutsPortal::unregisterHotKey(int id) {
    if (m_entries.erase(id) > 0) {
        scheduleBind();
    }
}

void GlobalShortcutsPortal::suspend() {
    m_suspended = true;
}

bool GlobalShortcutsPortal::resume() {
    m_suspended = false;
    return m_state != State::failed && m_state != State::cancelled;
}

std::optional<std::string> GlobalShortcutsPortal::trigger(int id) const {
    const auto it = m_entries.find(id);
    if (it == m_entries.end() || !it->second.trigger || it->second.trigger->empty()) {
        return std::nullopt;
    }
    return it->second.trigger;
}

void GlobalShortcutsPortal::setTriggerCallback(Callback callback) {
    m_triggerCallback = std::move(callback);
}

QString GlobalShortcutsPortal::shortcutId(int id) const {
    const auto it = m_entries.find(id);
    if (it == m_entries.end()) {
        return {};
    }
    return QStringLiteral("korrelang-shortcut-%1-%2")
        .arg(id)
        .arg(QString::fromStdString(it->second.preferredTrigger));
}

void GlobalShortcutsPortal::scheduleBind() {
    // A recorder change unregisters and registers in one go: bind the result once.
    if (m_scheduled) {
        return;
    }
    m_scheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_scheduled = false;
        bind();
    });
}

void GlobalShortcutsPortal::bind() {
    if (m_state == State::creating || m_state == State::binding) {
        m_dirty = true;
        return;
    }
    m_dirty = false;
    // A probe of the recorder registers and unregisters in one go: the set is as it was.
    if (m_state == State::bound && boundSet() == m_boundSet) {
        return;
    }
    for (auto& [id, entry] : m_entries) {
        entry.trigger.reset();
    }
    if (m_entries.empty()) {
        closeSession();
        m_state = State::idle;
        return;
    }
    if (m_session.isEmpty() || m_bindUnsupported) {
        closeSession();
        createSession();
    } else {
        bindShortcuts();
    }
}

QVariant GlobalShortcutsPortal::shortcutList() const {
    PortalShortcutList list;
    for (const auto& [id, entry] : m_entries) {
        QVariantMap properties;
        properties[QStringLiteral("description")] = QStringLiteral("Convert the text");
        properties[QStringLiteral("preferred_trigger")] =
            QString::fromStdString(entry.preferredTrigger);
        list.append({shortcutId(id), properties});
    }
    return QVariant::fromValue(list);
}

QString GlobalShortcutsPortal::nextToken() {
    return QStringLiteral("korrelang_%1_%2")
        .arg(QCoreApplication::applicationPid())
        .arg(++m_tokenCounter);
}

void GlobalShortcutsPortal::createSession() {
    m_state = State::creating;
    const QString token = nextToken();
    m_request = new PortalRequest(
        m_connection, token,
        [this](unsigned code, const QVariantMap& results) {
            const auto outcome = PortalReply::outcome(code);
            if (outcome != PortalReply::Outcome::success) {
                logLine("❌ The desktop refused a shortcut session (response " +
                        std::to_string(code) + ")");
                finish(State::failed);
                return;
            }
            m_session = PortalReply::sessionHandle(results);
            if (results.contains(QStringLiteral("shortcuts"))) {
                // This desktop binds the shortcuts passed with the session.
                applyTriggers(PortalReply::triggers(results.value(QStringLiteral("shortcuts"))));
                finish(State::bound);
                return;
            }
            m_state = State::idle;
            bindShortcuts();
        },
        this);
    QVariantMap options;
    options[QStringLiteral("handle_token")] = token;
    // The same token at every start: a desktop that knows a program without an application id
    // by its session token then recognises the shortcuts (and the trigger the user gave them)
    // instead of refusing the keys a previous run left registered.
    options[QStringLiteral("session_handle_token")] = QStringLiteral("korrelang");
    options[QStringLiteral("shortcuts")] = shortcutList();
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                       QStringLiteral("CreateSession"));
    call << options;
    auto* watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (reply.isError()) {
            logLine("❌ Cannot create a shortcut session: " + reply.error().message().toStdString());
            delete m_request;
            finish(State::failed);
        } else if (m_request) {
            m_request->follow(reply.value().path());
        }
    });
}

void GlobalShortcutsPortal::bindShortcuts() {
    m_state = State::binding;
    const QString token = nextToken();
    m_request = new PortalRequest(
        m_connection, token,
        [this](unsigned code, const QVariantMap& results) {
            switch (PortalReply::outcome(code)) {
                case PortalReply::Outcome::success:
                    applyTriggers(
                        PortalReply::triggers(results.value(QStringLiteral("shortcuts"))));
                    finish(State::bound);
                    break;
                case PortalReply::Outcome::cancelled:
                    logLine(
                        "⚠️ The shortcut was not bound: the desktop's dialog was cancelled");
                    finish(State::cancelled);
                    break;
                case PortalReply::Outcome::failed:
                    logLine("❌ The desktop refused to bind the shortcut (response " +
                            std::to_string(code) + ")");
                    finish(State::failed);
                    break;
            }
        },
        this);
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                       QStringLiteral("BindShortcuts"));
    QVariantMap options;
    options[QStringLiteral("handle_token")] = token;
    call << QVariant::fromValue(QDBusObjectPath(m_session)) << shortcutList() << QString()
         << options;
    auto* watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (!reply.isError()) {
            if (m_request) {
                m_request->follow(reply.value().path());
            }
            return;
        }
        delete m_request;
        if (m_bindUnsupported) {
            logLine("❌ Cannot bind the shortcut: " + reply.error().message().toStdString());
            finish(State::failed);
            return;
        }
        // Desktops of the first flow bind only with a new session.
        logLine("ℹ️ The portal did not bind in the session (" +
                reply.error().name().toStdString() + "); opening a new session with the shortcuts");
        m_bindUnsupported = true;
        m_state = State::idle;
        closeSession();
        createSession();
    });
}

void GlobalShortcutsPortal::closeSession() {
    if (m_session.isEmpty()) {
        return;
    }
    const QDBusMessage call = QDBusMessage::createMethodCall(
        kService, m_session, QStringLiteral("org.freedesktop.portal.Session"),
        QStringLiteral("Close"));
    m_connection.call(call, QDBus::NoBlock);
    m_session.clear();
}

void GlobalShortcutsPortal::applyTriggers(const std::map<std::string, std::string>& triggers) {
    for (auto& [id, entry] : m_entries) {
        const auto it = triggers.find(shortcutId(id).toStdString());
        if (it != triggers.end()) {
            entry.trigger = it->second;
            logLine("⌨️ The desktop binds the shortcut to " +
                    (it->second.empty() ? std::string("nothing") : it->second));
        }
    }
}

std::map<int, std::string> GlobalShortcutsPortal::boundSet() const {
    std::map<int, std::string> set;
    for (const auto& [id, entry] : m_entries) {
        set[id] = entry.preferredTrigger;
    }
    return set;
}

void GlobalShortcutsPortal::finish(State state) {
    m_state = state;
    m_boundSet = state == State::bound ? boundSet() : std::map<int, std::string>{};
    emit triggersChanged();
    if (m_triggerCallback) {
        m_triggerCallback();
    }
    if (m_dirty) {
        scheduleBind();
    }
}

void GlobalShortcutsPortal::onActivated(const QDBusMessage& message) {
    report(message, true);
}

void GlobalShortcutsPortal::onDeactivated(const QDBusMessage& message) {
    report(message, false);
}

void GlobalShortcutsPortal::report(const QDBusMessage& message, bool pressed) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2 || PortalReply::pathText(arguments[0]) != m_session) {
        return;
    }
    for (auto& [number, entry] : m_entries) {
        if (shortcutId(number) != arguments[1].toString()) {
            continue;
        }
        logLine("⌨️ The portal reported the shortcut " + entry.preferredTrigger +
                (pressed ? " pressed" : " released"));
        // Copied: the callback may unregister the entry.
        const Callback callback = pressed ? entry.onPress : entry.onRelease;
        if (!m_suspended && callback) {
            callback();
        }
        return;
    }
}

void GlobalShortcutsPortal::onShortcutsChanged(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2 || PortalReply::pathText(arguments[0]) != m_session) {
        return;
    }
    applyTriggers(PortalReply::triggers(arguments[1]));
    emit triggersChanged();
    if (m_triggerCallback) {
        m_triggerCallback();
    }
}

}  // namespace korrelang::platform::portal
