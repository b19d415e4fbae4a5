#include "gnome_synthetic_keys.h"

#include "platform/log.h"
#include "platform/x11/key_intent.h"
#include "shell_extension.h"

namespace korrelang::platform::gnome {

bool GnomeSyntheticKeys::simulateKeyPress(KeyCode key, Modifiers flags) {
    const std::lock_guard lock(m_mutex);
    const auto application = m_workspace.frontmostApplication();
    const bool terminal = application && application->terminal;
    const auto stroke = x11::KeyIntent::strokeFor(key, flags, terminal);
    if (!stroke) {
        return false;
    }
    std::vector<std::uint32_t> chord;
    for (const auto modifier : stroke->modifiers) {
        chord.push_back(modifier);
    }
    chord.push_back(stroke->key);
    if (!m_extension.keyChord(chord)) {
        // An extension that is off was said once, when it went; only a silent one is news.
        if (m_extension.isAvailable()) {
            logLine("❌ Cannot send a key press: the GNOME Shell extension does not answer");
        }
        return false;
    }
    return true;
}

bool GnomeSyntheticKeys::isAvailable() const {
    return m_extension.isAvailable();
}

}  // namespace korrelang::platform::gnome
