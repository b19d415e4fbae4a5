#include "recorder_strings.h"

#include <array>
#include <cstring>
#include <utility>

namespace korrelang::shortcuts {

namespace {

constexpr auto kEnglish = std::to_array<std::pair<const char*, const char*>>({
    {"record_shortcut", "Record Shortcut"},
    {"press_shortcut", "Press Shortcut"},
    {"keyboard_shortcut_used_by_menu_item",
     "This keyboard shortcut cannot be used as it’s already used by the “%1” menu item."},
    {"keyboard_shortcut_used_by_system",
     "This keyboard shortcut cannot be used as it’s already a system-wide keyboard shortcut."},
    {"keyboard_shortcuts_can_be_changed",
     "Most system-wide keyboard shortcuts can be changed in your desktop’s keyboard settings."},
    {"ok", "OK"},
    {"force_use_shortcut", "Use Anyway"},
    {"keyboard_shortcut_disallowed", "This keyboard shortcut is not allowed."},
    {"space_key", "space"},
});

}  // namespace

QString RecorderStrings::text(const char* key) {
    for (const auto& [name, value] : kEnglish) {
        if (std::strcmp(name, key) == 0) {
            return QString::fromUtf8(value);
        }
    }
    return QString::fromUtf8(key);
}

}  // namespace korrelang::shortcuts
