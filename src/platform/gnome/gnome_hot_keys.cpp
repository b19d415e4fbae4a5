#include "gnome_hot_keys.h"

#include "platform/log.h"
#include "platform/x11/us_key_names.h"

namespace korrelang::platform::gnome {

GnomeHotKeys::GnomeHotKeys(std::string command) : m_command(std::move(command)) {}

GnomeHotKeys::~GnomeHotKeys() {
    if (m_entry) {
        CustomKeybinding::remove();
    }
}

HotKeys::Registration GnomeHotKeys::registerHotKey(KeyCode key, Modifiers modifiers, Callback,
                                                   Callback) {
    const auto binding = x11::UsKeyNames::accelerator(key, modifiers.held());
    if (!binding) {
        return {0, RegistrationStatus::unknownKey};
    }
    CustomKeybinding::Entry entry{kEntryName, m_command, *binding};
    if (!m_suspended && !m_turnedOff && !CustomKeybinding::install(entry)) {
        return {0, RegistrationStatus::noDisplay};
    }
    logLine("GNOME custom shortcut " + *binding + " runs " + m_command);
    m_entry = std::move(entry);
    return {++m_id, RegistrationStatus::ok};
}

void GnomeHotKeys::unregisterHotKey(int id) {
    if (id != m_id || !m_entry) {
        return;
    }
    m_entry.reset();
    CustomKeybinding::remove();
}

void GnomeHotKeys::suspend() {
    if (m_entry && !m_suspended && !m_turnedOff) {
        CustomKeybinding::remove();
    }
    m_suspended = true;
}

bool GnomeHotKeys::resume() {
    m_suspended = false;
    return !m_entry || m_turnedOff || CustomKeybinding::install(*m_entry);
}

void GnomeHotKeys::setTurnedOff(bool off) {
    if (off == m_turnedOff) {
        return;
    }
    const bool installed = m_entry && !m_suspended && !m_turnedOff;
    m_turnedOff = off;
    if (installed) {
        CustomKeybinding::remove();
        logLine("GNOME custom shortcut removed while Korrelang is off");
    } else if (m_entry && !m_suspended && !off && CustomKeybinding::install(*m_entry)) {
        logLine("GNOME custom shortcut back: Korrelang is on");
    }
}

}  // namespace korrelang::platform::gnome
