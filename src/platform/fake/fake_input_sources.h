#pragma once

#include <map>

#include "platform/input_sources.h"

namespace korrelang::platform::fake {

/// Input sources a test sets up; records every selection.
class FakeInputSources : public InputSources {
public:
    std::optional<std::vector<InputSource>> sources = std::vector<InputSource>{};
    std::optional<std::string> current;
    SelectStatus selectStatus = SelectStatus::selected;  ///< for an enabled source
    std::map<KeyCode, std::string> keyTexts;
    std::vector<std::string> selected;  ///< every id passed to selectSource
    std::function<void()> changeCallback;

    std::optional<std::vector<InputSource>> enabledSources() const override { return sources; }
    std::optional<std::string> currentSourceID() const override { return current; }
    SelectStatus selectSource(std::string_view id) override;
    std::optional<std::string> keyText(KeyCode key) const override;
    void setChangeCallback(std::function<void()> callback) override {
        changeCallback = std::move(callback);
    }
};

}  // namespace korrelang::platform::fake
