#pragma once

#include <atspi/atspi.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "gobject_ref.h"
#include "hung_applications.h"
#include "platform/accessibility_text.h"
#include "text_offsets.h"

namespace korrelang::platform::atspi {

class AccessibilityStatus;

/// Other applications' text through AT-SPI, on the main thread's GLib context.
///
/// Focus is tracked from focus events and re-checked on use: the element must still be showing
/// and belong to the active window's process (or, when the desktop cannot tell the process, sit
/// in an active window); otherwise the active application's focused element is searched for.
/// Every call is bounded by the timeout.
class AtspiAccessibility : public AccessibilityText {
public:
    /// The process id of the active window, when the desktop can tell.
    using ActiveProcess = std::function<std::optional<long>()>;

    /// `timeout` bounds each call: long enough for a browser on a loaded two-core machine to
    /// answer (one that did not was taken for hung and the press failed), short enough that a
    /// hung application costs one such wait per press.
    explicit AtspiAccessibility(ActiveProcess activeProcess,
                                std::chrono::milliseconds timeout = std::chrono::milliseconds(500));
    ~AtspiAccessibility() override;
    AtspiAccessibility(const AtspiAccessibility&) = delete;
    AtspiAccessibility& operator=(const AtspiAccessibility&) = delete;

    bool isTrusted() const override;
    bool requestTrust() override;
    std::string settingsAddress() const override;
    FocusLookup focusedElement() override;

private:
    static void onFocusEvent(AtspiEvent* event, void* self);
    /// The embedded element that holds `element`'s caret, when its caret sits on one (U+FFFC),
    /// else `element`.
    static GObjectRef<AtspiAccessible> caretHolder(GObjectRef<AtspiAccessible> element);
    /// `element` when it holds text, else its focused descendant that does, if any; in either
    /// case the embedded element that holds the caret.
    static GObjectRef<AtspiAccessible> withText(GObjectRef<AtspiAccessible> element);
    /// Whether the window that holds `element` is the active one.
    static bool windowIsActive(AtspiAccessible* element);
    void startTracking();
    /// The application with this process id, or nothing; a timeout marks the process hung.
    GObjectRef<AtspiAccessible> applicationOf(long pid, AccessCode& code);
    GObjectRef<AtspiAccessible> searchFocused(AtspiAccessible* application, long pid,
                                              AccessCode& code);
    FocusLookup describe(GObjectRef<AtspiAccessible> element, long pid);

    ActiveProcess m_activeProcess;
    std::chrono::milliseconds m_timeout;
    std::shared_ptr<HungApplications> m_hung;
    GObjectRef<AtspiEventListener> m_listener;
    GObjectRef<AtspiAccessible> m_focused;
    // The last element described, with its application's name and toolkit, which do not change.
    GObjectRef<AtspiAccessible> m_described;
    FocusLookup m_description;
    bool m_initialized = false;
    std::unique_ptr<AccessibilityStatus> m_status;
};

}  // namespace korrelang::platform::atspi
