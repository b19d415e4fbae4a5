#pragma once

#include <optional>
#include <string>

#include "custom_keybinding.h"
#include "platform/hot_keys.h"

namespace korrelang::platform::gnome {

/// The hot key on GNOME without a shortcuts portal: Korrelang's custom keyboard shortcut, which
/// runs `korrelang --convert`; that reaches the running instance over the session bus, so the
/// callbacks given here are never called. One key at a time; the entry is removed when the key
/// is unregistered, while Korrelang is turned off, or when this object goes (Korrelang quits).
class GnomeHotKeys : public HotKeys {
public:
    /// `command` is what the shortcut runs, e.g. "'/usr/bin/korrelang' --convert".
    explicit GnomeHotKeys(std::string command);
    ~GnomeHotKeys() override;
    GnomeHotKeys(const GnomeHotKeys&) = delete;
    GnomeHotKeys& operator=(const GnomeHotKeys&) = delete;

    Registration registerHotKey(KeyCode key, Modifiers modifiers, Callback onPress,
                                Callback onRelease) override;
    void unregisterHotKey(int id) override;
    void suspend() override;
    bool resume() override;
    /// Korrelang turned off by the user: the key goes back to the applications until it is on
    /// again. Independent of the recorder's suspend and resume.
    void setTurnedOff(bool off);

    /// The name the entry has in GNOME's keyboard settings.
    static constexpr const char* kEntryName = "Korrelang: convert the text";

private:
    std::string m_command;
    std::optional<CustomKeybinding::Entry> m_entry;
    int m_id = 0;
    bool m_suspended = false;
    bool m_turnedOff = false;
};

}  // namespace korrelang::platform::gnome
