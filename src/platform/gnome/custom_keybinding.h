#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/key_codes.h"

namespace korrelang::platform::gnome {

/// Korrelang's entry among GNOME's custom keyboard shortcuts (Settings → Keyboard → Custom
/// Shortcuts): gsd-media-keys runs its command when the shell sees the key. The entry lives at
/// a path of its own and is added to, or taken from, the user's list without touching the
/// user's other entries.
class CustomKeybinding {
public:
    static constexpr const char* kListSchema = "org.gnome.settings-daemon.plugins.media-keys";
    static constexpr const char* kEntrySchema =
        "org.gnome.settings-daemon.plugins.media-keys.custom-keybinding";
    static constexpr const char* kPath =
        "/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/korrelang/";

    struct Entry {
        std::string name;
        std::string command;
        std::string binding;
        bool operator==(const Entry&) const = default;
    };

    /// Whether GNOME's schemas are installed (without them nothing can be written).
    static bool isSupported();
    /// Whether the GSettings schema `id` is installed.
    static bool hasSchema(const char* id);

    /// Writes the entry and lists it; false when the schemas are missing.
    static bool install(const Entry& entry);
    /// Unlists the entry and resets its keys; the user's other entries stay.
    static bool remove();
    /// The entry as stored, when it is listed.
    static std::optional<Entry> installed();
};

}  // namespace korrelang::platform::gnome
