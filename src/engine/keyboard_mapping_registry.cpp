#include "keyboard_mapping_registry.h"

#include <cstdlib>
#include <set>

#include "layout_table.h"
#include "log_format.h"
#include "log_sink.h"
#include "unicode.h"

namespace korrelang::engine {

const KeyboardMappingRegistry& KeyboardMappingRegistry::shared() {
    // A function-local static is initialised exactly once, with concurrent callers waiting.
    static const std::unique_ptr<const KeyboardMappingRegistry> registry = [] {
        auto built = build();
        if (!built) {
            // The tables are compiled in and checked at build time; reaching this is a broken
            // build, and converting with a partial catalogue would silently give wrong results.
            std::abort();
        }
        return built;
    }();
    return *registry;
}

std::unique_ptr<const KeyboardMappingRegistry> KeyboardMappingRegistry::build() {
    const auto characters = std::make_shared<CharacterIndex>();
    std::vector<KeyboardMapping> all;
    all.reserve(catalogueTables().size());
    for (const LayoutTable& table : catalogueTables()) {
        std::vector<KeyEntry> keyMap;
        keyMap.reserve(kCharacterKeys.size());
        for (std::size_t key = 0; key < kCharacterKeys.size(); ++key) {
            keyMap.push_back({kCharacterKeys[key],
                              {std::string(table.normal[key]), std::string(table.shifted[key])}});
        }
        auto mapping = KeyboardMapping::create(
            std::string(table.id), std::string(table.displayName),
            std::vector<std::string>(table.layoutPatterns.begin(), table.layoutPatterns.end()),
            table.isRTL, table.isCaseSensitive, std::move(keyMap), characters);
        if (!mapping) {
            LogSink::write(
                LogLine("❌ Registry: layout '" + std::string(table.id) + "' could not be built"));
            return nullptr;
        }
        all.push_back(std::move(*mapping));
    }
    return std::unique_ptr<const KeyboardMappingRegistry>(
        new KeyboardMappingRegistry(std::move(all)));
}

KeyboardMappingRegistry::LayoutIDParts KeyboardMappingRegistry::splitLayoutID(
    std::string_view layoutID) {
    LayoutIDParts parts;
    parts.lowered =
        unicode::isValidUtf8(layoutID) ? unicode::toLower(layoutID) : std::string(layoutID);
    std::string_view lowered = parts.lowered;
    while (!lowered.empty() && lowered.back() == '.') {
        lowered.remove_suffix(1);
    }
    const auto dot = lowered.rfind('.');
    parts.lastComponent =
        std::string(dot == std::string_view::npos ? lowered : lowered.substr(dot + 1));
    if (parts.lastComponent.empty()) {
        parts.lastComponent = parts.lowered;
    }
    return parts;
}

std::optional<KeyboardMapping> KeyboardMappingRegistry::firstMatch(
    const std::vector<KeyboardMapping>& mappings, const LayoutIDParts& parts) {
    for (const KeyboardMapping& mapping : mappings) {
        if (mapping.matchesLayoutID(parts.lowered, parts.lastComponent)) {
            return mapping;
        }
    }
    return std::nullopt;
}

std::optional<KeyboardMapping> KeyboardMappingRegistry::mappingFor(
    std::string_view layoutID) const {
    if (layoutID.empty()) {
        return std::nullopt;
    }
    return firstMatch(m_all, splitLayoutID(layoutID));
}

std::vector<KeyboardMapping> KeyboardMappingRegistry::mappingsFor(
    const std::vector<std::string>& layoutIDs) const {
    const bool logging = LogSink::active();
    if (logging) {
        LogSink::write(
            LogLine("📋 Registry: Resolving " + std::to_string(layoutIDs.size()) + " layout IDs:"));
    }
    std::set<std::string> taken;
    std::vector<KeyboardMapping> result;
    for (const std::string& layoutID : layoutIDs) {
        const auto mapping = mappingFor(layoutID);
        if (!mapping) {
            if (logging) {
                LogSink::write(LogLine("   ❌ '" + layoutID + "' → no match in registry"));
            }
            continue;
        }
        if (!taken.insert(mapping->id()).second) {
            continue;
        }
        if (logging) {
            LogSink::write(LogLine("   ✅ '" + layoutID + "' → " + mapping->displayName()));
        }
        result.push_back(*mapping);
    }
    if (logging) {
        LogSink::write(LogLine("📋 Registry: Resolved " + std::to_string(result.size()) +
                               " candidates: " + LogFormat::displayNames(result)));
    }
    return result;
}

std::vector<std::string> KeyboardMappingRegistry::otherMappingIDs(
    const std::vector<KeyboardMapping>& mappings, std::string_view excluding) {
    std::vector<std::string> ids;
    for (const KeyboardMapping& mapping : mappings) {
        if (mapping.id() != excluding) {
            ids.push_back(mapping.id());
        }
    }
    return ids;
}

}  // namespace korrelang::engine
