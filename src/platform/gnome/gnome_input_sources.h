#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/input_sources.h"
#include "platform/x11/layout_identifier.h"
#include "platform/x11/xkb_registry.h"

// GLib's settings object, kept out of this header (GLib's headers and Qt's keywords clash).
struct _GSettings;

namespace korrelang::platform::gnome {

class ShellExtension;

/// GNOME's input sources. The list comes from the extension when it runs, else from the
/// desktop's settings (`sources`); the active one from the extension, else from the most recently
/// used (`mru-sources`), which the shell keeps in step. Only the extension can switch. Input
/// method sources (ibus) are left out: they type no fixed layout.
class GnomeInputSources : public InputSources {
public:
    explicit GnomeInputSources(ShellExtension& extension);
    /// With an extension client of its own (the command line).
    GnomeInputSources();
    ~GnomeInputSources() override;
    GnomeInputSources(const GnomeInputSources&) = delete;
    GnomeInputSources& operator=(const GnomeInputSources&) = delete;

    std::optional<std::vector<InputSource>> enabledSources() const override;
    std::optional<std::string> currentSourceID() const override;
    SelectStatus selectSource(std::string_view id) override;
    std::optional<std::string> keyText(KeyCode key) const override;
    void setChangeCallback(std::function<void()> callback) override;

    /// The layout of a GNOME xkb source id ("de+nodeadkeys" → de, nodeadkeys).
    static x11::XkbLayout parseSourceId(std::string_view id);

private:
    /// One xkb source and its position in the shell's list (which counts ibus sources too).
    struct Slot {
        x11::XkbLayout layout;
        InputSource source;
        unsigned shellIndex = 0;
    };
    struct SettingsDeleter {
        void operator()(_GSettings* settings) const;
    };

    GnomeInputSources(std::unique_ptr<ShellExtension> own, ShellExtension* extension);
    std::vector<Slot> layoutSlots(int* current) const;
    static void onSettingsChanged(_GSettings*, const char*, void* self);

    std::unique_ptr<ShellExtension> m_ownExtension;
    ShellExtension& m_extension;
    x11::XkbRegistry m_registry;
    std::unique_ptr<_GSettings, SettingsDeleter> m_settings;
    unsigned long m_handler = 0;
    std::function<void()> m_changeCallback;
};

}  // namespace korrelang::platform::gnome
