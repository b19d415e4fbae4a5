#include "spelling_loader.h"

#include "engine/keyboard_mapping_registry.h"
#include "settings/settings.h"

namespace korrelang::app {

SpellingLoader::SpellingLoader(settings::Settings& settings, QObject* parent)
    : QObject(parent), m_settings(settings) {
    m_dictionaries.setEnabled(m_settings.pickLayoutBySpelling());
    connect(&m_settings, &settings::Settings::pickLayoutBySpellingChanged, this,
            &SpellingLoader::update);
    connect(&m_settings, &settings::Settings::selectedKeyboardsChanged, this,
            &SpellingLoader::update);
}

void SpellingLoader::start() {
    m_started = true;
    update();
}

void SpellingLoader::update() {
    const bool enabled = m_settings.pickLayoutBySpelling();
    m_dictionaries.setEnabled(enabled);
    if (!m_started || !enabled) {
        return;
    }
    std::vector<std::string> ids;
    for (const auto& mapping :
         engine::KeyboardMappingRegistry::shared().mappingsFor(m_settings.selectedKeyboardIDs())) {
        ids.push_back(mapping.id());
    }
    if (!ids.empty()) {
        m_dictionaries.loadInBackground(ids);
    }
}

}  // namespace korrelang::app
