#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include "platform/synthetic_keys.h"

struct wl_display;
struct org_kde_kwin_fake_input;

namespace korrelang::platform::kwin {

/// Synthetic key presses through KWin's fake-input protocol, with the same intent translation and
/// terminal rule as on X11. The keys are evdev codes, so a key means the same physical key
/// whatever layout is active. Its own Wayland connection, apart from Qt's, lets the background
/// worker of the clipboard procedures call it (one caller at a time; a mutex keeps it so).
///
/// KWin offers the interface to programs whose desktop file asks for it
/// (X-KDE-Wayland-Interfaces=org_kde_kwin_fake_input).
class FakeInputKeys : public SyntheticKeys {
public:
    /// The process of the active window, for the terminal rule; any thread may call it.
    using ActiveProcess = std::function<std::optional<long>()>;

    explicit FakeInputKeys(ActiveProcess activeProcess);
    ~FakeInputKeys() override;
    FakeInputKeys(const FakeInputKeys&) = delete;
    FakeInputKeys& operator=(const FakeInputKeys&) = delete;

    /// Whether the compositor offered the interface.
    bool isAvailable() const override { return m_fakeInput != nullptr; }
    bool simulateKeyPress(KeyCode key, Modifiers flags) override;

private:
    struct DisplayDeleter {
        void operator()(wl_display* display) const;
    };

    void send(std::uint32_t evdevCode, bool down);

    std::mutex m_mutex;
    ActiveProcess m_activeProcess;
    std::unique_ptr<wl_display, DisplayDeleter> m_display;
    org_kde_kwin_fake_input* m_fakeInput = nullptr;
};

}  // namespace korrelang::platform::kwin
