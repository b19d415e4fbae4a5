#include "fake_input_sources.h"

#include <algorithm>

namespace korrelang::platform::fake {

int FakeInputSources::selectSource(std::string_view id) {
    selected.emplace_back(id);
    if (!sources) {
        return -1;
    }
    const bool known = std::any_of(sources->begin(), sources->end(),
                                   [&](const InputSource& s) { return s.id == id; });
    if (!known) {
        return -2;
    }
    if (selectStatus == 0) {
        current = std::string(id);
    }
    return selectStatus;
}

std::optional<std::string> FakeInputSources::keyText(KeyCode key) const {
    const auto it = keyTexts.find(key);
    if (it == keyTexts.end()) {
        return std::nullopt;
    }
    return it->second;
}

}  // namespace korrelang::platform::fake
