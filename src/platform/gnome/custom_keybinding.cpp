#include "custom_keybinding.h"

#include <gio/gio.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/log.h"

namespace korrelang::platform::gnome {
namespace {

struct SettingsDeleter {
    void operator()(GSettings* settings) const { g_object_unref(settings); }
};
using SettingsPtr = std::unique_ptr<GSettings, SettingsDeleter>;

struct StrvDeleter {
    void operator()(gchar** strv) const { g_strfreev(strv); }
};

std::vector<std::string> listed(GSettings* list) {
    std::unique_ptr<gchar*, StrvDeleter> paths(g_settings_get_strv(list, "custom-keybindings"));
    std::vector<std::string> result;
    for (gchar** path = paths.get(); path && *path; ++path) {
        result.emplace_back(*path);
    }
    return result;
}

void writeList(GSettings* list, const std::vector<std::string>& paths) {
    std::vector<const gchar*> raw;
    for (const std::string& path : paths) {
        raw.push_back(path.c_str());
    }
    raw.push_back(nullptr);
    g_settings_set_strv(list, "custom-keybindings", raw.data());
}

std::string readString(GSettings* settings, const char* key) {
    gchar* value = g_settings_get_string(settings, key);
    std::string result = value ? value : "";
    g_free(value);
    return result;
}

}  // namespace

bool CustomKeybinding::hasSchema(const char* id) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema = source ? g_settings_schema_source_lookup(source, id, TRUE) : nullptr;
    if (schema) {
        g_settings_schema_unref(schema);
    }
    return schema != nullptr;
}

bool CustomKeybinding::isSupported() {
    return hasSchema(kListSchema) && hasSchema(kEntrySchema);
}

bool CustomKeybinding::install(const Entry& entry) {
    if (!isSupported()) {
        logLine("GNOME custom shortcut: the media-keys schemas are not installed");
        return false;
    }
    const SettingsPtr item(g_settings_new_with_path(kEntrySchema, kPath));
    const SettingsPtr list(g_settings_new(kListSchema));
    // The entry first, so gsd-media-keys never sees it listed half written.
    g_settings_set_string(item.get(), "name", entry.name.c_str());
    g_settings_set_string(item.get(), "command", entry.command.c_str());
    g_settings_set_string(item.get(), "binding", entry.binding.c_str());
    auto paths = listed(list.get());
    if (std::find(paths.begin(), paths.end(), kPath) == paths.end()) {
        paths.emplace_back(kPath);
        writeList(list.get(), paths);
    }
    g_settings_sync();
    return true;
}

bool CustomKeybinding::remove() {
    if (!isSupported()) {
        return false;
    }
    const SettingsPtr list(g_settings_new(kListSchema));
    auto paths = listed(list.get());
    const auto kept = std::erase(paths, std::string(kPath));
    if (kept > 0) {
        writeList(list.get(), paths);
    }
    const SettingsPtr item(g_settings_new_with_path(kEntrySchema, kPath));
    for (const char* key : {"name", "command", "binding"}) {
        g_settings_reset(item.get(), key);
    }
    g_settings_sync();
    return true;
}

std::optional<CustomKeybinding::Entry> CustomKeybinding::installed() {
    if (!isSupported()) {
        return std::nullopt;
    }
    const SettingsPtr list(g_settings_new(kListSchema));
    const auto paths = listed(list.get());
    if (std::find(paths.begin(), paths.end(), kPath) == paths.end()) {
        return std::nullopt;
    }
    const SettingsPtr item(g_settings_new_with_path(kEntrySchema, kPath));
    return Entry{readString(item.get(), "name"), readString(item.get(), "command"),
                 readString(item.get(), "binding")};
}

}  // namespace korrelang::platform::gnome
