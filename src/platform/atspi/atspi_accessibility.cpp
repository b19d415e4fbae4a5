#include "atspi_accessibility.h"

#include <deque>
#include <memory>
#include <string>
#include <string_view>

#include "accessibility_status.h"
#include "atspi_text_element.h"
#include "platform/log.h"

namespace korrelang::platform::atspi {

namespace {

constexpr std::size_t kSearchLimit = 4000;  // nodes visited in one focus search

bool hasState(AtspiAccessible* object, AtspiStateType state) {
    const auto states = GObjectRef<AtspiStateSet>::adopt(atspi_accessible_get_state_set(object));
    return states && atspi_state_set_contains(states.get(), state);
}

bool hasText(AtspiAccessible* object) {
    return static_cast<bool>(GObjectRef<AtspiText>::adopt(atspi_accessible_get_text_iface(object)));
}

std::optional<long> processOf(AtspiAccessible* object, AccessCode& code) {
    ErrorSlot error;
    const guint pid = atspi_accessible_get_process_id(object, error.out());
    if (error) {
        code = AtspiTextElement::codeOf(error.get());
        return std::nullopt;
    }
    return static_cast<long>(pid);
}

}  // namespace

AtspiAccessibility::AtspiAccessibility(ActiveProcess activeProcess,
                                       std::chrono::milliseconds timeout)
    : m_activeProcess(std::move(activeProcess)),
      m_timeout(timeout),
      m_hung(std::make_shared<HungApplications>(timeout, std::chrono::seconds(3))),
      m_status(std::make_unique<AccessibilityStatus>()) {
    if (atspi_init() > 1) {
        logLine("❌ AT-SPI could not be initialised");
        return;
    }
    m_initialized = true;
    // The same bound for young applications: a hotkey press must never wait longer.
    atspi_set_timeout(static_cast<gint>(m_timeout.count()), static_cast<gint>(m_timeout.count()));
    startTracking();
}

AtspiAccessibility::~AtspiAccessibility() {
    if (m_listener) {
        atspi_event_listener_deregister(m_listener.get(), "object:state-changed:focused", nullptr);
    }
}

void AtspiAccessibility::startTracking() {
    m_listener = GObjectRef<AtspiEventListener>::adopt(
        atspi_event_listener_new(&AtspiAccessibility::onFocusEvent, this, nullptr));
    ErrorSlot error;
    if (!atspi_event_listener_register(m_listener.get(), "object:state-changed:focused",
                                       error.out())) {
        logLine(std::string("⚠️ AT-SPI focus events unavailable: ") +
                (error ? error.get()->message : "unknown error"));
    }
}

void AtspiAccessibility::onFocusEvent(AtspiEvent* event, void* self) {
    auto* accessibility = static_cast<AtspiAccessibility*>(self);
    // Only gains: GTK drops the focus while a hot key is grabbed and takes it back on release.
    if (event->detail1 != 0 && event->source != nullptr) {
        accessibility->m_focused = GObjectRef<AtspiAccessible>::share(event->source);
    }
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

bool AtspiAccessibility::isTrusted() const {
    return m_initialized && m_status->isEnabled(m_timeout).value_or(false);
}

bool AtspiAccessibility::requestTrust() {
    m_status->enable(m_timeout);
    return isTrusted();
}

std::string AtspiAccessibility::settingsAddress() const {
    // Desktops offer no common address for their accessibility page.
    return {};
}

GObjectRef<AtspiAccessible> AtspiAccessibility::caretHolder(GObjectRef<AtspiAccessible> element) {
    // A rich text field whose lines are elements of their own (a browser's contenteditable)
    // shows each as U+FFFC in its text and puts its caret on that character: the line the caret
    // is in is the element behind it.
    for (int depth = 0; depth < 8; ++depth) {
        // Known without a round trip once the element's interfaces are cached: plain text
        // fields cost nothing here.
        const auto hypertext =
            GObjectRef<AtspiHypertext>::adopt(atspi_accessible_get_hypertext_iface(element.get()));
        const auto text =
            GObjectRef<AtspiText>::adopt(atspi_accessible_get_text_iface(element.get()));
        if (!hypertext || !text) {
            break;
        }
        ErrorSlot error;
        const gint caret = atspi_text_get_caret_offset(text.get(), error.out());
        if (error || caret < 0) {
            break;
        }
        const std::unique_ptr<gchar, GFreeDeleter> character(
            atspi_text_get_text(text.get(), caret, caret + 1, error.out()));
        if (error || !character || std::string_view(character.get()) != "\xEF\xBF\xBC") {
            break;
        }
        const gint index = atspi_hypertext_get_link_index(hypertext.get(), caret, error.out());
        if (error || index < 0) {
            break;
        }
        const auto link = GObjectRef<AtspiHyperlink>::adopt(
            atspi_hypertext_get_link(hypertext.get(), index, error.out()));
        if (error || !link) {
            break;
        }
        auto child = GObjectRef<AtspiAccessible>::adopt(
            atspi_hyperlink_get_object(link.get(), 0, error.out()));
        if (error || !child || !hasText(child.get())) {
            break;
        }
        element = std::move(child);
    }
    return element;
}

GObjectRef<AtspiAccessible> AtspiAccessibility::withText(GObjectRef<AtspiAccessible> element) {
    if (hasText(element.get())) {
        return caretHolder(std::move(element));
    }
    // A document whose focus event names the document while the caret sits in one of its
    // paragraphs (LibreOffice): the focused descendant that holds text.
    std::deque<GObjectRef<AtspiAccessible>> queue{element};
    for (std::size_t visited = 0; !queue.empty() && visited < kSearchLimit; ++visited) {
        auto node = std::move(queue.front());
        queue.pop_front();
        if (node.get() != element.get() && hasState(node.get(), ATSPI_STATE_FOCUSED) &&
            hasText(node.get())) {
            return caretHolder(std::move(node));
        }
        ErrorSlot error;
        const gint children = atspi_accessible_get_child_count(node.get(), error.out());
        if (error) {
            break;
        }
        for (gint i = 0; i < children; ++i) {
            auto child = GObjectRef<AtspiAccessible>::adopt(
                atspi_accessible_get_child_at_index(node.get(), i, error.out()));
            if (child) {
                queue.push_back(std::move(child));
            }
        }
    }
    return element;
}

bool AtspiAccessibility::windowIsActive(AtspiAccessible* element) {
    auto node = GObjectRef<AtspiAccessible>::share(element);
    // Up to the child of the application: the element's window.
    for (int depth = 0; node && depth < 64; ++depth) {
        ErrorSlot error;
        auto parent = GObjectRef<AtspiAccessible>::adopt(
            atspi_accessible_get_parent(node.get(), error.out()));
        if (error || !parent) {
            return false;
        }
        if (atspi_accessible_get_role(parent.get(), nullptr) == ATSPI_ROLE_APPLICATION) {
            return hasState(node.get(), ATSPI_STATE_ACTIVE);
        }
        node = std::move(parent);
    }
    return false;
}

GObjectRef<AtspiAccessible> AtspiAccessibility::applicationOf(long pid, AccessCode& code) {
    const auto desktop = GObjectRef<AtspiAccessible>::adopt(atspi_get_desktop(0));
    if (!desktop) {
        code = AccessCode::unavailable;
        return {};
    }
    ErrorSlot error;
    const gint count = atspi_accessible_get_child_count(desktop.get(), error.out());
    if (error) {
        code = AtspiTextElement::codeOf(error.get());
        return {};
    }
    for (gint i = 0; i < count; ++i) {
        auto application = GObjectRef<AtspiAccessible>::adopt(
            atspi_accessible_get_child_at_index(desktop.get(), i, error.out()));
        if (error || !application) {
            continue;
        }
        AccessCode ignored = AccessCode::success;
        if (processOf(application.get(), ignored) == pid) {
            code = AccessCode::success;
            return application;
        }
    }
    code = AccessCode::noValue;
    return {};
}

GObjectRef<AtspiAccessible> AtspiAccessibility::searchFocused(AtspiAccessible* application,
                                                              long pid, AccessCode& code) {
    // Breadth first from the active window(s) of the application, then from the others.
    std::deque<GObjectRef<AtspiAccessible>> queue;
    std::vector<GObjectRef<AtspiAccessible>> inactive;
    ErrorSlot error;
    const gint windows = atspi_accessible_get_child_count(application, error.out());
    if (error) {
        code = AtspiTextElement::codeOf(error.get());
        if (code == AccessCode::timedOut) {
            m_hung->markHung(pid);
        }
        return {};
    }
    for (gint i = 0; i < windows; ++i) {
        auto window = GObjectRef<AtspiAccessible>::adopt(
            atspi_accessible_get_child_at_index(application, i, error.out()));
        if (!window) {
            continue;
        }
        if (hasState(window.get(), ATSPI_STATE_ACTIVE)) {
            queue.push_back(std::move(window));
        } else {
            inactive.push_back(std::move(window));
        }
    }
    queue.insert(queue.end(), inactive.begin(), inactive.end());
    // A focused element without text (a tab, a window's filler) is taken only when no focused
    // element holds text: Qt marks several of them focused at once.
    GObjectRef<AtspiAccessible> withoutText;
    std::size_t visited = 0;
    while (!queue.empty() && visited < kSearchLimit) {
        auto node = std::move(queue.front());
        queue.pop_front();
        ++visited;
        const auto started = HungApplications::Clock::now();
        if (hasState(node.get(), ATSPI_STATE_FOCUSED)) {
            if (hasText(node.get())) {
                code = AccessCode::success;
                return node;
            }
            if (!withoutText) {
                withoutText = node;
            }
        }
        const gint children = atspi_accessible_get_child_count(node.get(), error.out());
        if (m_hung->timedOut(pid, started, !error && children >= 0)) {
            code = AccessCode::timedOut;
            return {};
        }
        if (error) {
            if (AtspiTextElement::codeOf(error.get()) == AccessCode::timedOut) {
                m_hung->markHung(pid);
                code = AccessCode::timedOut;
                return {};
            }
            continue;
        }
        for (gint i = 0; i < children; ++i) {
            auto child = GObjectRef<AtspiAccessible>::adopt(
                atspi_accessible_get_child_at_index(node.get(), i, error.out()));
            if (child) {
                queue.push_back(std::move(child));
            }
        }
    }
    if (withoutText) {
        code = AccessCode::success;
        return withoutText;
    }
    code = AccessCode::noValue;
    return {};
}

FocusLookup AtspiAccessibility::describe(GObjectRef<AtspiAccessible> element, long pid) {
    if (m_described.get() == element.get() && m_description.element) {
        return m_description;
    }
    FocusLookup lookup;
    lookup.applicationCode = AccessCode::success;
    ErrorSlot error;
    auto started = HungApplications::Clock::now();
    const auto application = GObjectRef<AtspiAccessible>::adopt(
        atspi_accessible_get_application(element.get(), error.out()));
    // `answered`: the call gave a value (a slow answer is still an answer).
    const auto timedOut = [&](bool answered) {
        if ((error && AtspiTextElement::codeOf(error.get()) == AccessCode::timedOut) ||
            m_hung->timedOut(pid, started, answered)) {
            m_hung->markHung(pid);
            lookup.elementCode = AccessCode::timedOut;
            return true;
        }
        started = HungApplications::Clock::now();
        return false;
    };
    if (timedOut(static_cast<bool>(application))) {
        return lookup;
    }
    if (application) {
        std::unique_ptr<gchar, GFreeDeleter> name(
            atspi_accessible_get_name(application.get(), error.out()));
        if (timedOut(name != nullptr)) {
            return lookup;
        }
        if (name) {
            lookup.applicationName = name.get();
        }
        std::unique_ptr<gchar, GFreeDeleter> toolkit(
            atspi_accessible_get_toolkit_name(application.get(), error.out()));
        if (timedOut(toolkit != nullptr)) {
            return lookup;
        }
        if (toolkit) {
            lookup.toolkitName = toolkit.get();
        }
    }
    lookup.elementCode = AccessCode::success;
    lookup.element = std::make_shared<AtspiTextElement>(
        element, pid, AtspiTextElement::insertLengthFor(lookup.toolkitName), m_hung);
    m_described = std::move(element);
    m_description = lookup;
    return lookup;
}

FocusLookup AtspiAccessibility::focusedElement() {
    FocusLookup lookup;
    if (!m_initialized) {
        lookup.applicationCode = AccessCode::unavailable;
        return lookup;
    }
    // -1: the desktop cannot tell (no window manager, or not X11).
    const long activePid = m_activeProcess ? m_activeProcess().value_or(-1) : -1;
    if (activePid >= 0 && m_hung->isHung(activePid)) {
        lookup.applicationCode = AccessCode::timedOut;
        return lookup;
    }
    // libatspi dispatches queued events while it waits for a reply, so the focus callback may
    // replace m_focused in the middle of these calls: work on a reference of our own.
    if (const auto focused = m_focused) {
        AccessCode code = AccessCode::success;
        const auto pid = processOf(focused.get(), code);
        // An element of a window that was closed or hidden since it had the focus is stale: the
        // window stops showing; without the active window's process its window must be active.
        const auto states =
            GObjectRef<AtspiStateSet>::adopt(atspi_accessible_get_state_set(focused.get()));
        const bool current = states &&
                             !atspi_state_set_contains(states.get(), ATSPI_STATE_DEFUNCT) &&
                             atspi_state_set_contains(states.get(), ATSPI_STATE_SHOWING);
        if (pid && current && (activePid < 0 ? windowIsActive(focused.get()) : *pid == activePid)) {
            auto element = withText(focused);
            // Qt announces the current item of a list as focused when the list changes, while the
            // keyboard stays in the text: an element without text is checked against a search.
            if (activePid < 0 || hasText(element.get())) {
                return describe(std::move(element), *pid);
            }
        }
        if (code == AccessCode::timedOut && pid) {
            m_hung->markHung(*pid);
        }
    }
    if (activePid < 0) {
        lookup.applicationCode = AccessCode::noValue;
        return lookup;
    }
    AccessCode code = AccessCode::noValue;
    const auto application = applicationOf(activePid, code);
    if (!application) {
        lookup.applicationCode = code;
        return lookup;
    }
    auto element = searchFocused(application.get(), activePid, code);
    if (!element) {
        lookup.applicationCode = AccessCode::success;
        lookup.elementCode = code;
        return lookup;
    }
    m_focused = element;
    return describe(withText(std::move(element)), activePid);
}

}  // namespace korrelang::platform::atspi
