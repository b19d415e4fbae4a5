#include "gnome_input_sources.h"

#include <gio/gio.h>

#include <algorithm>

#include "custom_keybinding.h"
#include "platform/log.h"
#include "platform/x11/latin_key_text.h"
#include "platform/x11/xkb_input_sources.h"
#include "shell_extension.h"

namespace korrelang::platform::gnome {
namespace {

constexpr const char* kSchema = "org.gnome.desktop.input-sources";

// The (type, id) pairs of an a(ss) setting.
std::vector<std::pair<std::string, std::string>> pairs(GSettings* settings, const char* key) {
    std::vector<std::pair<std::string, std::string>> result;
    GVariant* value = g_settings_get_value(settings, key);
    GVariantIter iter;
    g_variant_iter_init(&iter, value);
    const gchar* type = nullptr;
    const gchar* id = nullptr;
    while (g_variant_iter_next(&iter, "(&s&s)", &type, &id)) {
        result.emplace_back(type, id);
    }
    g_variant_unref(value);
    return result;
}

}  // namespace

GnomeInputSources::GnomeInputSources(ShellExtension& extension)
    : GnomeInputSources(nullptr, &extension) {}

GnomeInputSources::GnomeInputSources()
    : GnomeInputSources(std::make_unique<ShellExtension>(), nullptr) {}

GnomeInputSources::GnomeInputSources(std::unique_ptr<ShellExtension> own, ShellExtension* extension)
    : m_ownExtension(std::move(own)), m_extension(extension ? *extension : *m_ownExtension) {
    if (CustomKeybinding::hasSchema(kSchema)) {
        m_settings.reset(g_settings_new(kSchema));
    } else {
        logLine("GNOME input sources: the org.gnome.desktop.input-sources schema is missing");
    }
}

GnomeInputSources::~GnomeInputSources() {
    if (m_handler != 0) {
        g_signal_handler_disconnect(m_settings.get(), m_handler);
    }
}

x11::XkbLayout GnomeInputSources::parseSourceId(std::string_view id) {
    const auto plus = id.find('+');
    if (plus == std::string_view::npos) {
        return {std::string(id), ""};
    }
    return {std::string(id.substr(0, plus)), std::string(id.substr(plus + 1))};
}

std::vector<GnomeInputSources::Slot> GnomeInputSources::layoutSlots(int* current) const {
    std::vector<Slot> result;
    int shellCurrent = -1;
    std::vector<std::pair<std::string, std::string>> sources;
    if (const auto fromShell = m_extension.inputSources()) {
        for (const auto& source : fromShell->sources) {
            sources.emplace_back(source.type, source.id);
        }
        shellCurrent = fromShell->current;
    } else if (m_settings) {
        sources = pairs(m_settings.get(), "sources");
        const auto recent = pairs(m_settings.get(), "mru-sources");
        for (std::size_t i = 0; !recent.empty() && i < sources.size(); ++i) {
            if (sources[i] == recent.front()) {
                shellCurrent = static_cast<int>(i);
            }
        }
        // Before the first switch the shell has written nothing: the first source is active.
        if (recent.empty() && !sources.empty()) {
            shellCurrent = 0;
        }
    }
    if (current) {
        *current = -1;
    }
    for (std::size_t i = 0; i < sources.size(); ++i) {
        if (sources[i].first != "xkb") {
            continue;
        }
        if (current && static_cast<int>(i) == shellCurrent) {
            *current = static_cast<int>(result.size());
        }
        const auto layout = parseSourceId(sources[i].second);
        result.push_back(
            {layout, x11::XkbInputSources::describe(m_registry, layout), static_cast<unsigned>(i)});
    }
    return result;
}

std::optional<std::vector<InputSource>> GnomeInputSources::enabledSources() const {
    if (!m_settings && !m_extension.isAvailable()) {
        return std::nullopt;
    }
    std::vector<InputSource> sources;
    for (const Slot& slot : layoutSlots(nullptr)) {
        sources.push_back(slot.source);
    }
    return sources;
}

std::optional<std::string> GnomeInputSources::currentSourceID() const {
    int current = -1;
    const auto all = layoutSlots(&current);
    if (current < 0) {
        return std::nullopt;
    }
    return all[static_cast<std::size_t>(current)].source.id;
}

SelectStatus GnomeInputSources::selectSource(std::string_view id) {
    for (const Slot& slot : layoutSlots(nullptr)) {
        if (slot.source.id != id) {
            continue;
        }
        if (!m_extension.activateInputSource(slot.shellIndex)) {
            logLine("GNOME input sources: cannot switch without the shell extension");
            return SelectStatus::unreachable;
        }
        return SelectStatus::selected;
    }
    return SelectStatus::notEnabled;
}

std::optional<std::string> GnomeInputSources::keyText(KeyCode key) const {
    int current = -1;
    const auto all = layoutSlots(&current);
    std::vector<x11::XkbLayout> layouts;
    for (const Slot& slot : all) {
        layouts.push_back(slot.layout);
    }
    return x11::LatinKeyText::compiled(layouts, std::max(current, 0), key);
}

void GnomeInputSources::SettingsDeleter::operator()(GSettings* settings) const {
    g_object_unref(settings);
}

void GnomeInputSources::onSettingsChanged(GSettings*, const char*, void* self) {
    const auto* sources = static_cast<GnomeInputSources*>(self);
    if (sources->m_changeCallback) {
        sources->m_changeCallback();
    }
}

void GnomeInputSources::setChangeCallback(std::function<void()> callback) {
    m_changeCallback = std::move(callback);
    m_extension.setChangeCallback(m_changeCallback);
    if (m_settings && m_handler == 0) {
        // The shell rewrites mru-sources after every switch, with or without the extension.
        m_handler =
            g_signal_connect(m_settings.get(), "changed", G_CALLBACK(onSettingsChanged), this);
    }
}

}  // namespace korrelang::platform::gnome
