#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "keyboard_mapping.h"

namespace korrelang::engine {

/// The catalogue of keyboard layouts: all 56 mappings in their fixed order. Immutable after
/// construction, so lookups from any thread need no lock.
class KeyboardMappingRegistry {
public:
    /// The process's registry, built on first use. Concurrent first calls build it once; the
    /// others wait for it.
    static const KeyboardMappingRegistry& shared();

    /// Builds a registry from the compiled-in catalogue. Returns nothing (and logs) when a table
    /// is malformed. shared() uses this; tests and benchmarks may build their own.
    static std::unique_ptr<const KeyboardMappingRegistry> build();

    const std::vector<KeyboardMapping>& all() const { return m_all; }

    /// Resolves an input-source identifier: lower-cased, its last "."-separated non-empty
    /// component (or the whole identifier when there is none) is compared with each layout's
    /// patterns in catalogue order; a pattern matches when it equals that component or ends the
    /// lowered identifier. The first layout with a match wins, so anything ending in "us" is
    /// English. The empty identifier matches nothing.
    std::optional<KeyboardMapping> mappingFor(std::string_view layoutID) const;

    /// Resolves the user's selected keyboards, in their order, keeping one mapping per catalogue
    /// entry (a second English keyboard is dropped silently) and logging each step.
    std::vector<KeyboardMapping> mappingsFor(const std::vector<std::string>& layoutIDs) const;

    /// The ids of `mappings` other than `excluding`, in order.
    static std::vector<std::string> otherMappingIDs(const std::vector<KeyboardMapping>& mappings,
                                                    std::string_view excluding);

    /// The lowered identifier and its last component, as mappingFor compares them.
    struct LayoutIDParts {
        std::string lowered;
        std::string lastComponent;
    };
    static LayoutIDParts splitLayoutID(std::string_view layoutID);

    /// The first of `mappings` that matches the identifier's parts, if any.
    static std::optional<KeyboardMapping> firstMatch(const std::vector<KeyboardMapping>& mappings,
                                                     const LayoutIDParts& parts);

private:
    explicit KeyboardMappingRegistry(std::vector<KeyboardMapping> all) : m_all(std::move(all)) {}

    std::vector<KeyboardMapping> m_all;
};

}  // namespace korrelang::engine
