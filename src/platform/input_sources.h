#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "key_codes.h"

namespace korrelang::platform {

/// One enabled keyboard layout as the desktop reports it.
struct InputSource {
    std::string id;    ///< stable identifier, e.g. "xkb.ru.Russian"
    std::string name;  ///< the desktop's human-readable name, e.g. "Russian"
    bool operator==(const InputSource&) const = default;
};

/// How selecting a layout ended.
enum class SelectStatus {
    selected,     ///< the layout is active now
    notEnabled,   ///< no enabled layout has the identifier
    unreachable,  ///< the desktop cannot be asked (no display, service, compositor or extension)
    refused,      ///< the desktop answered the request with an error
    notApplied,   ///< the desktop said yes, yet another layout is still active
};

/// A word for log lines.
constexpr std::string_view selectStatusName(SelectStatus status) {
    switch (status) {
        case SelectStatus::selected:
            return "selected";
        case SelectStatus::notEnabled:
            return "not enabled";
        case SelectStatus::unreachable:
            return "desktop unreachable";
        case SelectStatus::refused:
            return "refused";
        case SelectStatus::notApplied:
            return "not applied";
    }
    return "unknown";
}

/// The user's keyboard layouts: which are enabled, which is active, selecting one.
///
/// Every answer is fetched afresh; nothing is cached between calls. All calls belong to the main
/// thread.
class InputSources {
public:
    virtual ~InputSources() = default;

    /// The enabled keyboard layouts in the desktop's order, or nothing when the desktop cannot be
    /// asked (no display, no keyboard description). An empty list is a valid answer.
    virtual std::optional<std::vector<InputSource>> enabledSources() const = 0;

    /// Identifier of the layout in use now, or nothing when it cannot be read.
    virtual std::optional<std::string> currentSourceID() const = 0;

    /// Makes the enabled layout `id` the active one.
    virtual SelectStatus selectSource(std::string_view id) = 0;

    /// What `key` types with no modifiers on the active layout when that layout types Latin
    /// letters, else on the first enabled layout that does; nothing when no layout answers.
    virtual std::optional<std::string> keyText(KeyCode key) const = 0;

    /// `callback` runs on the main thread after the active layout or the set of layouts changed.
    /// An empty function removes it.
    virtual void setChangeCallback(std::function<void()> callback) = 0;
};

}  // namespace korrelang::platform
