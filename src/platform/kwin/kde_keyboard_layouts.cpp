#include "kde_keyboard_layouts.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include "platform/log.h"
#include "platform/x11/latin_key_text.h"
#include "platform/x11/xkb_input_sources.h"

namespace korrelang::platform::kwin {

namespace {

const QString kService = QStringLiteral("org.kde.keyboard");
const QString kPath = QStringLiteral("/Layouts");
const QString kInterface = QStringLiteral("org.kde.KeyboardLayouts");
constexpr int kTimeoutMs = 2000;

}  // namespace

KdeKeyboardLayouts::KdeKeyboardLayouts(QDBusConnection connection, QString settingsFile)
    : m_connection(std::move(connection)),
      m_settingsFile(std::move(settingsFile)),
      m_owner(kService, m_connection, QDBusServiceWatcher::WatchForOwnerChange) {
    if (m_settingsFile.isEmpty()) {
        m_settingsFile =
            QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                .filePath(QStringLiteral("kxkbrc"));
    }
    // Without the signals nothing could tell a kept answer is old: then every call asks.
    m_watching = m_connection.connect(kService, kPath, kInterface, QStringLiteral("layoutChanged"),
                                      this, SLOT(forget())) &&
                 m_connection.connect(kService, kPath, kInterface,
                                      QStringLiteral("layoutListChanged"), this, SLOT(forget()));
    connect(&m_owner, &QDBusServiceWatcher::serviceOwnerChanged, this, &KdeKeyboardLayouts::forget);
}

QStringList KdeKeyboardLayouts::variants() const {
    const QSettings settings(m_settingsFile, QSettings::IniFormat);
    // A list with commas reads back as a list, one item as a string.
    return settings.value(QStringLiteral("Layout/VariantList")).toStringList();
}

std::optional<std::vector<x11::XkbLayout>> KdeKeyboardLayouts::layouts() const {
    const QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                             QStringLiteral("getLayoutsList"));
    const QDBusMessage reply = m_connection.call(call, QDBus::Block, kTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty() ||
        !reply.arguments().first().canConvert<QDBusArgument>()) {
        return std::nullopt;
    }
    const auto argument = reply.arguments().first().value<QDBusArgument>();
    if (!argument.currentSignature().startsWith(QLatin1String("a(s"))) {
        logLine("❌ The keyboard service answered the layout list in an unknown form: " +
                argument.currentSignature().toStdString());
        return std::nullopt;
    }
    const QStringList variantList = variants();
    std::vector<x11::XkbLayout> result;
    argument.beginArray();
    while (!argument.atEnd()) {
        QString shortName;
        QString displayName;
        QString longName;
        argument.beginStructure();
        argument >> shortName >> displayName >> longName;
        argument.endStructure();
        x11::XkbLayout layout{shortName.toStdString(), {}};
        const auto index = static_cast<qsizetype>(result.size());
        if (index < variantList.size()) {
            layout.variant = variantList[index].trimmed().toStdString();
        }
        result.push_back(std::move(layout));
    }
    argument.endArray();
    return result;
}

std::optional<std::vector<InputSource>> KdeKeyboardLayouts::enabledSources() const {
    if (m_watching && m_sources) {
        return m_sources;
    }
    const auto list = layouts();
    if (!list) {
        return std::nullopt;
    }
    std::vector<InputSource> sources;
    for (const x11::XkbLayout& layout : *list) {
        sources.push_back(x11::XkbInputSources::describe(m_registry, layout));
    }
    m_sources = sources;
    return sources;
}

std::optional<unsigned> KdeKeyboardLayouts::activeIndex() const {
    if (!m_watching || !m_active) {
        m_active = askActiveIndex();
    }
    return m_active;
}

void KdeKeyboardLayouts::forget() {
    m_sources.reset();
    m_active.reset();
}

std::optional<unsigned> KdeKeyboardLayouts::askActiveIndex() const {
    const QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("getLayout"));
    const QDBusMessage reply = m_connection.call(call, QDBus::Block, kTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return std::nullopt;
    }
    bool ok = false;
    const unsigned index = reply.arguments().first().toUInt(&ok);
    return ok ? std::optional(index) : std::nullopt;
}

std::optional<std::string> KdeKeyboardLayouts::currentSourceID() const {
    const auto index = activeIndex();
    const auto sources = enabledSources();
    if (!index || !sources || *index >= sources->size()) {
        return std::nullopt;
    }
    return (*sources)[*index].id;
}

SelectStatus KdeKeyboardLayouts::selectSource(std::string_view id) {
    const auto sources = enabledSources();
    if (!sources) {
        return SelectStatus::unreachable;
    }
    for (std::size_t index = 0; index < sources->size(); ++index) {
        if ((*sources)[index].id != id) {
            continue;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                           QStringLiteral("setLayout"));
        call << static_cast<uint>(index);
        const QDBusMessage reply = m_connection.call(call, QDBus::Block, kTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage ||
            (!reply.arguments().isEmpty() && !reply.arguments().first().toBool())) {
            return SelectStatus::refused;
        }
        // Asked, not kept: the switch's own signal may still be on its way.
        m_active = askActiveIndex();
        return m_active == index ? SelectStatus::selected : SelectStatus::notApplied;
    }
    return SelectStatus::notEnabled;
}

std::optional<std::string> KdeKeyboardLayouts::keyText(KeyCode key) const {
    const auto list = layouts();
    const auto active = activeIndex();
    if (!list || !active) {
        return std::nullopt;
    }
    return x11::LatinKeyText::compiled(*list, static_cast<int>(*active), key);
}

void KdeKeyboardLayouts::setChangeCallback(std::function<void()> callback) {
    m_changeCallback = std::move(callback);
    if (m_listening || !m_changeCallback) {
        return;
    }
    m_listening = true;
    m_connection.connect(kService, kPath, kInterface, QStringLiteral("layoutChanged"), this,
                         SLOT(onChanged()));
    m_connection.connect(kService, kPath, kInterface, QStringLiteral("layoutListChanged"), this,
                         SLOT(onChanged()));
}

void KdeKeyboardLayouts::onChanged() {
    if (m_changeCallback) {
        m_changeCallback();
    }
}

}  // namespace korrelang::platform::kwin
