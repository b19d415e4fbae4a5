#include "fake_input_sources.h"

#include <algorithm>

namespace korrelang::platform::fake {

SelectStatus FakeInputSources::selectSource(std::string_view id) {
    selected.emplace_back(id);
    if (!sources) {
        return SelectStatus::unreachable;
    }
    const bool known = std::any_of(sources->begin(), sources->end(),
                                   [&](const InputSource& s) { return s.id == id; });
    if (!known) {
        return SelectStatus::notEnabled;
    }
    if (selectStatus == SelectStatus::selected) {
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
