#pragma once

#include <mutex>

#include "platform/synthetic_keys.h"
#include "platform/workspace.h"

namespace korrelang::platform::gnome {

class ShellExtension;

/// Key presses through the shell extension's virtual keyboard (no consent dialog, unlike the
/// remote-desktop portal). The same intents and terminal rules as on X11; the shell waits for
/// the user to let go of the hot key's modifiers before it types.
class GnomeSyntheticKeys : public SyntheticKeys {
public:
    GnomeSyntheticKeys(const ShellExtension& extension, const Workspace& workspace)
        : m_extension(extension), m_workspace(workspace) {}

    bool simulateKeyPress(KeyCode key, Modifiers flags) override;
    /// Only while the shell extension is on: without it GNOME takes no synthetic keys.
    bool isAvailable() const override;

private:
    const ShellExtension& m_extension;
    const Workspace& m_workspace;
    std::mutex m_mutex;
};

}  // namespace korrelang::platform::gnome
