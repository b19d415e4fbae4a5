#include "recorder_strings.h"

#include <QCoreApplication>
#include <array>
#include <cstring>
#include <utility>

namespace korrelang::shortcuts {

namespace {

constexpr auto kEnglish = std::to_array<std::pair<const char*, const char*>>({
    {"record_shortcut", QT_TRANSLATE_NOOP("RecorderStrings", "Record Shortcut")},
    {"press_shortcut", QT_TRANSLATE_NOOP("RecorderStrings", "Press Shortcut")},
    {"keyboard_shortcut_used_by_menu_item",
     QT_TRANSLATE_NOOP("RecorderStrings",
                       "This keyboard shortcut cannot be used as it’s already used by the “%1” "
                       "menu item.")},
    {"keyboard_shortcut_used_by_system",
     QT_TRANSLATE_NOOP("RecorderStrings",
                       "This keyboard shortcut cannot be used as it’s already a system-wide "
                       "keyboard shortcut.")},
    {"keyboard_shortcuts_can_be_changed",
     QT_TRANSLATE_NOOP("RecorderStrings",
                       "Most system-wide keyboard shortcuts can be changed in your desktop’s "
                       "keyboard settings.")},
    {"ok", QT_TRANSLATE_NOOP("RecorderStrings", "OK")},
    {"force_use_shortcut", QT_TRANSLATE_NOOP("RecorderStrings", "Use Anyway")},
    {"keyboard_shortcut_disallowed",
     QT_TRANSLATE_NOOP("RecorderStrings", "This keyboard shortcut is not allowed.")},
    {"space_key", QT_TRANSLATE_NOOP("RecorderStrings", "space")},
});

}  // namespace

QString RecorderStrings::text(const char* key) {
    for (const auto& [name, value] : kEnglish) {
        if (std::strcmp(name, key) == 0) {
            return QCoreApplication::translate("RecorderStrings", value);
        }
    }
    return QString::fromUtf8(key);
}

}  // namespace korrelang::shortcuts
