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

    /// Makes the enabled layout `id` the active one. Returns 0 on success, otherwise a non-zero
    /// status (negative for "no such layout" and "no display", positive for the desktop's own
    /// error code).
    virtual int selectSource(std::string_view id) = 0;

    /// What `key` types with no modifiers on the active layout when that layout types Latin
    /// letters, else on the first enabled layout that does; nothing when no layout answers.
    virtual std::optional<std::string> keyText(KeyCode key) const = 0;

    /// `callback` runs on the main thread after the active layout or the set of layouts changed.
    /// An empty function removes it.
    virtual void setChangeCallback(std::function<void()> callback) = 0;
};

}  // namespace korrelang::platform
