#include "registry_probe.h"

#include <wayland-client.h>

#include <memory>

#include "platform/log.h"

namespace korrelang::platform::wayland {

namespace {

struct DisplayCloser {
    void operator()(wl_display* display) const { wl_display_disconnect(display); }
};
struct RegistryCloser {
    void operator()(wl_registry* registry) const { wl_registry_destroy(registry); }
};

void onGlobal(void* data, wl_registry*, std::uint32_t, const char* interface, std::uint32_t) {
    static_cast<std::vector<std::string>*>(data)->emplace_back(interface);
}

void onGlobalRemove(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener kListener{onGlobal, onGlobalRemove};

}  // namespace

std::optional<std::vector<std::string>> RegistryProbe::globals() {
    const std::unique_ptr<wl_display, DisplayCloser> display(wl_display_connect(nullptr));
    if (!display) {
        logLine("Wayland: no compositor to connect to");
        return std::nullopt;
    }
    std::vector<std::string> names;
    const std::unique_ptr<wl_registry, RegistryCloser> registry(
        wl_display_get_registry(display.get()));
    wl_registry_add_listener(registry.get(), &kListener, &names);
    if (wl_display_roundtrip(display.get()) < 0) {
        logLine("Wayland: the registry round trip failed");
        return std::nullopt;
    }
    return names;
}

}  // namespace korrelang::platform::wayland
