#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

struct wl_display;
struct wl_registry;
struct wl_seat;

namespace korrelang::platform::wayland {

/// A global the compositor announced.
struct Global {
    std::uint32_t name = 0;
    std::string interface;
    std::uint32_t version = 0;
};

/// Korrelang's own connection to the compositor, apart from Qt's: a background client that needs
/// no surface. Every protocol object lives on the connection's thread, which dispatches events as
/// they come; other threads hand it work with `call`. Closing joins the thread and disconnects.
class DisplayConnection {
public:
    /// Connects to WAYLAND_DISPLAY and lists the globals; nothing (logged) without a compositor.
    static std::shared_ptr<DisplayConnection> open();
    ~DisplayConnection();
    DisplayConnection(const DisplayConnection&) = delete;
    DisplayConnection& operator=(const DisplayConnection&) = delete;

    /// Runs `work` on the connection's thread and waits for it; on that thread it runs at once.
    /// The work may bind globals, send requests and do round trips. False when the connection
    /// has failed.
    bool call(const std::function<void()>& work);
    bool isThisThread() const { return std::this_thread::get_id() == m_thread.get_id(); }
    bool failed() const;

    /// Connection's thread only.
    wl_display* display() const { return m_display; }
    wl_registry* registry() const { return m_registry; }
    /// The first seat (Korrelang serves the seat the user types on; headless and desktop
    /// sessions have one).
    wl_seat* seat() const { return m_seat; }
    /// The announced global of `interface`, or nothing.
    std::optional<Global> global(const std::string& interface) const;
    /// Binds the global of `interface` at `version` or lower; null when it is not offered.
    void* bind(const std::string& interface, const void* wlInterface, std::uint32_t version);

private:
    DisplayConnection() = default;
    void run();
    void wake();

    wl_display* m_display = nullptr;
    wl_registry* m_registry = nullptr;
    wl_seat* m_seat = nullptr;
    int m_wakeFd = -1;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::vector<Global> m_globals;
    std::vector<std::function<void()>> m_tasks;
    bool m_stopping = false;
    bool m_failed = false;

    friend struct RegistryEvents;
};

}  // namespace korrelang::platform::wayland
