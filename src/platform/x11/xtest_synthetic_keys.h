#pragma once

#include <chrono>
#include <memory>
#include <mutex>

#include "active_window.h"
#include "platform/synthetic_keys.h"

namespace korrelang::platform::x11 {

/// Synthetic key presses through XTest, on a connection of its own so that the background worker
/// of the clipboard procedures may call it (one caller at a time; a mutex keeps it so).
class XTestSyntheticKeys : public SyntheticKeys {
public:
    /// `releaseWait`: how long the user may take to let go of held modifiers before they are
    /// released for them.
    explicit XTestSyntheticKeys(
        std::chrono::milliseconds releaseWait = std::chrono::milliseconds(500));

    bool simulateKeyPress(KeyCode key, Modifiers flags) override;
    bool isAvailable() const override { return m_connection != nullptr; }

private:
    void releaseHeldModifiers();

    std::mutex m_mutex;
    std::shared_ptr<DisplayConnection> m_connection;
    ActiveWindow m_activeWindow;
    std::chrono::milliseconds m_releaseWait;
};

}  // namespace korrelang::platform::x11
