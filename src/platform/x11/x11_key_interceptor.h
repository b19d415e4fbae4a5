#pragma once

#include <memory>

#include "display_connection.h"
#include "platform/key_interceptor.h"
#include "xkb_input_sources.h"

class QSocketNotifier;

namespace korrelang::platform::x11 {

/// Shift+letter interception by passive grabs of the 26 letter keys with Shift (in every Caps
/// Lock / Num Lock variant), held only while the filter accepts the active layout. A grabbed press
/// either is replayed to the application unchanged or is swallowed and the replacement typed with
/// XTest through a spare keycode mapped to the wanted character, after the grab was let go so the
/// typed key is not caught again.
class X11KeyInterceptor : public KeyInterceptor {
public:
    X11KeyInterceptor();
    ~X11KeyInterceptor() override;
    X11KeyInterceptor(const X11KeyInterceptor&) = delete;
    X11KeyInterceptor& operator=(const X11KeyInterceptor&) = delete;

    bool start(LayoutFilter filter, Handler handler) override;
    void stop() override;
    bool isRunning() const override { return m_running; }
    /// Whether the keys are grabbed now (running, and the filter accepts the active layout).
    bool isIntercepting() const { return m_running && m_grabbed; }

private:
    bool setGrabbed(bool grabbed);
    void updateGrab();
    void readEvents();
    bool typeText(const std::string& text);

    std::shared_ptr<DisplayConnection> m_connection;
    XkbInputSources m_layouts;  // on a connection of its own: it reads its own events
    std::unique_ptr<QSocketNotifier> m_notifier;
    LayoutFilter m_filter;
    Handler m_handler;
    bool m_running = false;
    bool m_grabbed = false;
    int m_spareKeycode = 0;  // 0 until one is found
};

}  // namespace korrelang::platform::x11
