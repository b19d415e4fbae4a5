#include "keyboard_detector.h"

#include "engine/keyboard_mapping_registry.h"
#include "engine/log.h"

namespace korrelang::keyboards {

std::vector<KeyboardLayout> KeyboardDetector::fallbackKeyboards() {
    return {
        {"xkb.us.English", "English (US)", "English (US)"},
        {"xkb.il.Hebrew", "Hebrew", "Hebrew"},
        {"xkb.gb.British", "English (UK)", "English (UK)"},
        {"xkb.ru.Russian", "Russian", "Russian"},
        {"xkb.es.Spanish", "Spanish", "Spanish"},
    };
}

DetectedKeyboards KeyboardDetector::installedKeyboards() const {
    const auto sources = m_inputSources.enabledSources();
    DetectedKeyboards result;
    if (sources) {
        const auto& registry = engine::KeyboardMappingRegistry::shared();
        for (const platform::InputSource& source : *sources) {
            if (source.id.empty() || source.name.empty()) {
                continue;
            }
            const auto mapping = registry.mappingFor(source.id);
            result.keyboards.push_back(
                {source.id, source.name, mapping ? mapping->displayName() : source.name});
        }
    }
    if (result.keyboards.empty()) {
        engine::Log::write(
            "⚠️ No keyboard layouts could be read from the desktop; offering the default list");
        result.keyboards = fallbackKeyboards();
        result.isFallback = true;
    }
    return result;
}

}  // namespace korrelang::keyboards
