#pragma once

#include <functional>
#include <memory>
#include <string>

#include "sway_ipc.h"

class QSocketNotifier;

namespace korrelang::platform::sway {

/// An IPC connection subscribed to some of sway's events, read on the main thread as they come
/// (a socket notifier: no polling, no process per event).
class SwaySubscription {
public:
    using Handler = std::function<void(const IpcMessage& event)>;

    /// Subscribes to `eventsJson` (e.g. `["binding"]`); `isActive()` tells whether sway agreed.
    SwaySubscription(const std::string& socketPath, const std::string& eventsJson, Handler handler);
    ~SwaySubscription();
    SwaySubscription(const SwaySubscription&) = delete;
    SwaySubscription& operator=(const SwaySubscription&) = delete;

    bool isActive() const { return m_notifier != nullptr; }

private:
    void readEvents();

    SwayIpc m_ipc;
    Handler m_handler;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace korrelang::platform::sway
