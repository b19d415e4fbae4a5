#pragma once

#include <vector>

#include "keyboard_layout.h"
#include "platform/input_sources.h"

namespace korrelang::keyboards {

/// The detector's answer. A fallback list is not the user's setup: callers must not add or drop
/// selected keyboards on its basis.
struct DetectedKeyboards {
    std::vector<KeyboardLayout> keyboards;  ///< never empty
    bool isFallback = false;
};

/// Which keyboard layouts the user has enabled, named for display. Stateless: every call asks the
/// desktop again. Main thread only.
class KeyboardDetector {
public:
    explicit KeyboardDetector(const platform::InputSources& inputSources)
        : m_inputSources(inputSources) {}

    /// The enabled layouts in the desktop's order, neither sorted nor de-duplicated; layouts the
    /// catalogue lacks are kept with `localizedName` equal to `name`. Sources without an
    /// identifier or a name are left out. When the desktop cannot be asked or lists no layout,
    /// the fixed fallback list, marked as such.
    DetectedKeyboards installedKeyboards() const;

    /// US English, Hebrew, British, Russian, Spanish.
    static std::vector<KeyboardLayout> fallbackKeyboards();

private:
    const platform::InputSources& m_inputSources;
};

}  // namespace korrelang::keyboards
