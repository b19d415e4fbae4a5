#include "sway_subscription.h"

#include <QSocketNotifier>

#include "platform/log.h"
#include "sway_replies.h"

namespace korrelang::platform::sway {

SwaySubscription::SwaySubscription(const std::string& socketPath, const std::string& eventsJson,
                                   Handler handler)
    : m_ipc(socketPath), m_handler(std::move(handler)) {
    const auto reply = m_ipc.request(IpcType::subscribe, eventsJson);
    if (!reply || !SwayReplies::subscribed(*reply)) {
        logLine("❌ sway IPC: the subscription to " + eventsJson + " was refused");
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_ipc.fd(), QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                     [this] { readEvents(); });
    // Events that came with the reply are already buffered.
    readEvents();
}

SwaySubscription::~SwaySubscription() = default;

void SwaySubscription::readEvents() {
    const bool open = m_ipc.readAvailable();
    while (auto message = m_ipc.nextMessage()) {
        if (message->isEvent() && m_handler) {
            m_handler(*message);
        }
    }
    if (!open && m_notifier) {
        logLine("⚠️ sway IPC: the event connection closed");
        m_notifier->setEnabled(false);
    }
}

}  // namespace korrelang::platform::sway
