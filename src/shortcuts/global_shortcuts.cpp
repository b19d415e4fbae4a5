#include "global_shortcuts.h"

#include <QPointer>
#include <algorithm>

#include "accelerator.h"
#include "legacy_shortcut.h"
#include "platform/hot_keys.h"
#include "platform/input_sources.h"
#include "platform/log.h"

namespace korrelang::shortcuts {

GlobalShortcuts::GlobalShortcuts(const QString& storePath, platform::HotKeys& hotKeys,
                                 const platform::InputSources& inputSources, QObject* parent)
    : QObject(parent),
      m_store(storePath, QSettings::IniFormat),
      m_hotKeys(hotKeys),
      m_inputSources(inputSources) {
    m_retryTimer.setInterval(kRetryIntervalMs);
    connect(&m_retryTimer, &QTimer::timeout, this, &GlobalShortcuts::updateEventHandling);
    // A desktop that owns the keys may bind another trigger: every name shows what it reports.
    QPointer<GlobalShortcuts> self(this);
    m_hotKeys.setTriggerCallback([self] {
        if (!self) {
            return;
        }
        for (const auto& [rawValue, name] : self->m_names) {
            self->changed(name);
        }
    });
}

GlobalShortcuts::~GlobalShortcuts() {
    m_hotKeys.setTriggerCallback({});
    // The callbacks point at this object: no grab may outlive it.
    for (const HotKey& hotKey : m_registrations) {
        m_hotKeys.unregisterHotKey(hotKey.systemId);
    }
}

QString GlobalShortcuts::storeKey(const Name& name) {
    return QStringLiteral("GlobalShortcuts_") + QString::fromStdString(name.rawValue);
}

void GlobalShortcuts::addName(const Name& name) {
    m_names[name.rawValue] = name;
    if (!m_store.contains(storeKey(name))) {
        if (name.defaultShortcut) {
            storeShortcut(name.defaultShortcut, name);
        }
        return;
    }
    migrate(name);
}

void GlobalShortcuts::migrate(const Name& name) {
    const QString key = storeKey(name);
    const QString stored = m_store.value(key).toString();
    if (stored == QLatin1String("false") || Accelerator::parse(stored.toStdString())) {
        return;
    }
    const auto legacy = LegacyShortcut::fromJson(stored.toStdString());
    const auto rewritten = legacy ? Accelerator::of(*legacy) : std::nullopt;
    if (rewritten) {
        platform::logLine("⌨️ Shortcut " + name.rawValue + " rewritten as " +
                          rewritten->text());
        storeShortcut(rewritten->shortcut(), name);
        return;
    }
    // Kept aside, never dropped: the user or a later version may still read it.
    m_store.setValue(key + QStringLiteral("Unreadable"), m_store.value(key));
    m_store.remove(key);
    m_store.sync();
    platform::logLine("❌ Shortcut " + name.rawValue + ": the stored value is unreadable; kept as " +
                      (key + QStringLiteral("Unreadable")).toStdString() +
                      (name.defaultShortcut ? ", the default applies" : ""));
    if (name.defaultShortcut) {
        storeShortcut(name.defaultShortcut, name);
    }
}

std::optional<Shortcut> GlobalShortcuts::shortcutFor(const Name& name) const {
    const QVariant value = m_store.value(storeKey(name));
    if (value.typeId() != QMetaType::QString && value.typeId() != QMetaType::QByteArray) {
        return std::nullopt;
    }
    const auto accelerator = Accelerator::parse(value.toString().toStdString());
    return accelerator ? std::optional(accelerator->shortcut()) : std::nullopt;
}

void GlobalShortcuts::storeShortcut(const std::optional<Shortcut>& shortcut, const Name& name) {
    m_names.try_emplace(name.rawValue, name);
    // The old shortcut is taken before anything is written, so its grab is always released.
    const std::optional<Shortcut> old = shortcutFor(name);
    const auto accelerator = shortcut ? Accelerator::of(*shortcut) : std::nullopt;
    if (shortcut && !accelerator) {
        platform::logLine("❌ Shortcut " + name.rawValue + ": key " + std::to_string(shortcut->key) +
                          " has no name on the US layout; not stored");
        return;
    }
    if (accelerator) {
        if (old) {
            unregisterShortcut(*old);
        }
        if (!isRegistered(accelerator->shortcut())) {
            registerShortcut(accelerator->shortcut());
        }
        m_store.setValue(storeKey(name), QString::fromStdString(accelerator->text()));
    } else {
        if (!old) {
            return;
        }
        if (name.defaultShortcut) {
            m_store.setValue(storeKey(name), false);
        } else {
            m_store.remove(storeKey(name));
        }
        unregisterShortcut(*old);
    }
    m_store.sync();
    changed(name);
}

void GlobalShortcuts::resetToDefaults(const std::vector<Name>& names) {
    // Without a default, storing none removes the stored value.
    for (const Name& name : names) {
        storeShortcut(name.defaultShortcut, name);
    }
}

void GlobalShortcuts::addKeyUpHandler(const Name& name, Action action) {
    addHandler(EventType::KeyUp, name, std::move(action));
}

void GlobalShortcuts::addKeyDownHandler(const Name& name, Action action) {
    addHandler(EventType::KeyDown, name, std::move(action));
}

void GlobalShortcuts::addHandler(EventType type, const Name& name, Action action) {
    m_names.try_emplace(name.rawValue, name);
    auto& table = type == EventType::KeyDown ? m_keyDownHandlers : m_keyUpHandlers;
    table[name.rawValue].push_back(std::move(action));
    const auto shortcut = shortcutFor(name);
    if (shortcut && !isRegistered(*shortcut)) {
        registerShortcut(*shortcut);
    }
}

void GlobalShortcuts::setRecorderActive(bool active) {
    if (active == m_recorderActive) {
        return;
    }
    m_recorderActive = active;
    emit recorderActiveStatusDidChange(active);
}

bool GlobalShortcuts::isRegistered(const Shortcut& shortcut) const {
    return std::any_of(m_registrations.begin(), m_registrations.end(),
                       [&](const HotKey& hotKey) { return hotKey.shortcut == shortcut; });
}

void GlobalShortcuts::updateEventHandling() {
    bool missing = false;
    for (const auto& [rawValue, name] : m_names) {
        if (!m_keyDownHandlers.contains(rawValue) && !m_keyUpHandlers.contains(rawValue)) {
            continue;
        }
        const auto shortcut = shortcutFor(name);
        if (shortcut && !isRegistered(*shortcut) && !registerShortcut(*shortcut)) {
            missing = true;
        }
    }
    if (!missing) {
        m_retryTimer.stop();
    }
}

std::string GlobalShortcuts::description(const Shortcut& shortcut) const {
    for (const HotKey& hotKey : m_registrations) {
        if (hotKey.shortcut == shortcut) {
            if (auto trigger = m_hotKeys.boundTrigger(hotKey.systemId)) {
                return *trigger;
            }
        }
    }
    return shortcut.description(m_inputSources);
}

bool GlobalShortcuts::registerShortcut(const Shortcut& shortcut) {
    // The desktop may call back after this object is gone only if a grab leaked; QPointer
    // turns such a call into nothing.
    QPointer<GlobalShortcuts> self(this);
    const auto registration = m_hotKeys.registerHotKey(
        shortcut.key, shortcut.modifiers,
        [self, shortcut] {
            if (self) {
                self->dispatch(EventType::KeyDown, shortcut);
            }
        },
        [self, shortcut] {
            if (self) {
                self->dispatch(EventType::KeyUp, shortcut);
            }
        });
    if (!registration.succeeded()) {
        platform::logLine("Error registering hotkey " + description(shortcut) + ": " +
                          platform::HotKeys::statusName(registration.status));
        // Another program may let go of the key later.
        if (!m_retryTimer.isActive()) {
            m_retryTimer.start();
        }
        return false;
    }
    m_registrations.push_back({shortcut, registration.id});
    return true;
}

void GlobalShortcuts::unregisterShortcut(const Shortcut& shortcut) {
    std::erase_if(m_registrations, [&](const HotKey& hotKey) {
        const bool released = hotKey.shortcut == shortcut;
        if (released) {
            m_hotKeys.unregisterHotKey(hotKey.systemId);
        }
        return released;
    });
}

void GlobalShortcuts::dispatch(EventType type, const Shortcut& shortcut) {
    if (m_recorderActive) {
        return;
    }
    // Copied: an action may add handlers or change shortcuts.
    const auto table = type == EventType::KeyDown ? m_keyDownHandlers : m_keyUpHandlers;
    for (const auto& [rawValue, actions] : table) {
        const auto named = m_names.find(rawValue);
        if (named == m_names.end() || shortcutFor(named->second) != shortcut) {
            continue;
        }
        for (const Action& action : actions) {
            action();
        }
    }
}

void GlobalShortcuts::changed(const Name& name) {
    emit shortcutByNameDidChange(QString::fromStdString(name.rawValue));
}

}  // namespace korrelang::shortcuts
