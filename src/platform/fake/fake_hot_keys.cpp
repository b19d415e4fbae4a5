#include "fake_hot_keys.h"

#include <algorithm>

namespace korrelang::platform::fake {

HotKeys::Registration FakeHotKeys::registerHotKey(KeyCode key, Modifiers modifiers,
                                                  Callback onPress, Callback onRelease) {
    ++registrations;
    const auto pair = std::make_pair(key, modifiers);
    if (std::find(taken.begin(), taken.end(), pair) != taken.end()) {
        return {0, RegistrationStatus::taken};
    }
    const int id = m_nextId++;
    registered[id] = {key, modifiers, std::move(onPress), std::move(onRelease)};
    return {id, RegistrationStatus::ok};
}

bool FakeHotKeys::press(KeyCode key, Modifiers modifiers) {
    if (suspended) {
        return false;
    }
    for (auto& [id, entry] : registered) {
        if (entry.key == key && entry.modifiers == modifiers) {
            if (entry.onPress) {
                entry.onPress();
            }
            if (entry.onRelease) {
                entry.onRelease();
            }
            return true;
        }
    }
    return false;
}

}  // namespace korrelang::platform::fake
