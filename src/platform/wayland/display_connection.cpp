#include "display_connection.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <wayland-client.h>

#include <algorithm>
#include <cstring>
#include <future>

#include "platform/log.h"

namespace korrelang::platform::wayland {

struct RegistryEvents {
    static void global(void* data, wl_registry*, std::uint32_t name, const char* interface,
                       std::uint32_t version) {
        auto* self = static_cast<DisplayConnection*>(data);
        const std::lock_guard lock(self->m_mutex);
        self->m_globals.push_back({name, interface, version});
    }
    static void globalRemove(void* data, wl_registry*, std::uint32_t name) {
        auto* self = static_cast<DisplayConnection*>(data);
        const std::lock_guard lock(self->m_mutex);
        std::erase_if(self->m_globals, [name](const Global& g) { return g.name == name; });
    }
};

namespace {
const wl_registry_listener kRegistryListener{RegistryEvents::global, RegistryEvents::globalRemove};
}  // namespace

std::shared_ptr<DisplayConnection> DisplayConnection::open() {
    std::shared_ptr<DisplayConnection> connection(new DisplayConnection);
    connection->m_display = wl_display_connect(nullptr);
    if (connection->m_display == nullptr) {
        logLine("❌ Wayland: cannot connect to the compositor");
        return nullptr;
    }
    connection->m_wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    connection->m_registry = wl_display_get_registry(connection->m_display);
    wl_registry_add_listener(connection->m_registry, &kRegistryListener, connection.get());
    if (connection->m_wakeFd < 0 || wl_display_roundtrip(connection->m_display) < 0) {
        logLine("❌ Wayland: the registry could not be read");
        return nullptr;
    }
    connection->m_seat = static_cast<wl_seat*>(connection->bind("wl_seat", &wl_seat_interface, 1));
    connection->m_thread = std::thread([raw = connection.get()] { raw->run(); });
    return connection;
}

DisplayConnection::~DisplayConnection() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    wake();
    if (m_thread.joinable()) {
        m_thread.join();
    }
    if (m_seat != nullptr) {
        wl_seat_destroy(m_seat);
    }
    if (m_registry != nullptr) {
        wl_registry_destroy(m_registry);
    }
    if (m_display != nullptr) {
        wl_display_disconnect(m_display);
    }
    if (m_wakeFd >= 0) {
        ::close(m_wakeFd);
    }
}

std::optional<Global> DisplayConnection::global(const std::string& interface) const {
    const std::lock_guard lock(m_mutex);
    const auto it = std::find_if(m_globals.begin(), m_globals.end(),
                                 [&](const Global& g) { return g.interface == interface; });
    return it == m_globals.end() ? std::nullopt : std::optional<Global>(*it);
}

void* DisplayConnection::bind(const std::string& interface, const void* wlInterface,
                              std::uint32_t version) {
    const auto found = global(interface);
    if (!found) {
        return nullptr;
    }
    return wl_registry_bind(m_registry, found->name, static_cast<const wl_interface*>(wlInterface),
                            std::min(version, found->version));
}

bool DisplayConnection::failed() const {
    const std::lock_guard lock(m_mutex);
    return m_failed;
}

void DisplayConnection::wake() {
    if (m_wakeFd >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto written = ::write(m_wakeFd, &one, sizeof one);
    }
}

bool DisplayConnection::call(const std::function<void()>& work) {
    if (isThisThread()) {
        work();
        wl_display_flush(m_display);
        return true;
    }
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    {
        const std::lock_guard lock(m_mutex);
        if (m_failed || m_stopping) {
            return false;
        }
        m_tasks.emplace_back([this, &work, done] {
            work();
            wl_display_flush(m_display);
            done->set_value();
        });
    }
    wake();
    finished.wait();
    return !failed();
}

void DisplayConnection::run() {
    const int fd = wl_display_get_fd(m_display);
    for (;;) {
        while (wl_display_prepare_read(m_display) != 0) {
            wl_display_dispatch_pending(m_display);
        }
        wl_display_flush(m_display);
        pollfd fds[2] = {{fd, POLLIN, 0}, {m_wakeFd, POLLIN, 0}};
        const int ready = ::poll(fds, 2, -1);
        if (ready > 0 && (fds[0].revents & POLLIN) != 0) {
            wl_display_read_events(m_display);
        } else {
            wl_display_cancel_read(m_display);
        }
        const bool broken = wl_display_dispatch_pending(m_display) < 0 ||
                            (fds[0].revents & (POLLERR | POLLHUP)) != 0;
        std::vector<std::function<void()>> tasks;
        {
            const std::lock_guard lock(m_mutex);
            if (broken && !m_failed) {
                m_failed = true;
                logLine("❌ Wayland: the connection to the compositor was lost (" +
                        std::string(std::strerror(wl_display_get_error(m_display))) + ")");
            }
            std::uint64_t count = 0;
            [[maybe_unused]] const auto drained = ::read(m_wakeFd, &count, sizeof count);
            tasks.swap(m_tasks);
        }
        for (auto& task : tasks) {
            task();  // on a failed connection the requests go nowhere, but the callers wake
        }
        wl_display_flush(m_display);
        const std::lock_guard lock(m_mutex);
        if (m_stopping || m_failed) {
            for (auto& task : m_tasks) {
                task();
            }
            m_tasks.clear();
            return;
        }
    }
}

}  // namespace korrelang::platform::wayland
