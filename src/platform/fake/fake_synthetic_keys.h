#pragma once

#include <vector>

#include "platform/synthetic_keys.h"

namespace korrelang::platform::fake {

/// Records every key press it is asked for.
class FakeSyntheticKeys : public SyntheticKeys {
public:
    struct Press {
        KeyCode key = 0;
        Modifiers flags;
        bool operator==(const Press&) const = default;
    };
    std::vector<Press> presses;
    bool succeeds = true;
    bool available = true;

    bool simulateKeyPress(KeyCode key, Modifiers flags) override {
        presses.push_back({key, flags});
        return succeeds;
    }
    bool isAvailable() const override { return available; }
};

}  // namespace korrelang::platform::fake
