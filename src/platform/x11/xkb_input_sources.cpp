// Qt before Xlib: Xlib's macros (None, Bool…) break Qt's headers.
#include <QSocketNotifier>
#include <QTimer>

// X11
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/keysym.h>
#include <xkbcommon/xkbcommon.h>

#include <array>

#include "latin_key_text.h"
#include "layout_names.h"
#include "platform/log.h"
#include "window_property.h"
#include "x_keycode.h"
#include "xkb_input_sources.h"

namespace korrelang::platform::x11 {

namespace {

constexpr int kMaxGroups = XkbNumKbdGroups;

std::vector<std::string> splitCommas(std::string_view text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const auto comma = text.find(',', start);
        parts.emplace_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    return parts;
}

// The five strings of _XKB_RULES_NAMES: rules, model, layout, variant, options.
std::optional<std::array<std::string, 5>> readRulesNames(Display* display, Window root) {
    const auto data = WindowProperty::read(display, root, "_XKB_RULES_NAMES", XA_STRING, 8);
    if (!data) {
        return std::nullopt;
    }
    std::array<std::string, 5> names;
    std::size_t field = 0;
    for (auto byte = data->begin(); byte != data->end() && field < names.size(); ++byte) {
        if (*byte == '\0') {
            ++field;
        } else {
            names[field] += static_cast<char>(*byte);
        }
    }
    return names;
}

}  // namespace

XkbInputSources::XkbInputSources() : XkbInputSources(DisplayConnection::open()) {}

XkbInputSources::XkbInputSources(std::shared_ptr<DisplayConnection> connection)
    : m_connection(std::move(connection)) {}

XkbInputSources::~XkbInputSources() = default;

void XkbInputSources::drainLater() const {
    if (m_notifier && XQLength(m_connection->get()) > 0) {
        auto* self = const_cast<XkbInputSources*>(this);
        QTimer::singleShot(0, m_notifier.get(), [self] { self->readEvents(); });
    }
}

std::optional<std::vector<XkbLayout>> XkbInputSources::groupLayouts() const {
    if (!m_connection) {
        return std::nullopt;
    }
    const auto names = readRulesNames(m_connection->get(), m_connection->root());
    drainLater();
    if (!names || (*names)[2].empty()) {
        return std::nullopt;
    }
    const auto layouts = splitCommas((*names)[2]);
    const auto variants = splitCommas((*names)[3]);
    std::vector<XkbLayout> result;
    for (std::size_t i = 0; i < layouts.size() && static_cast<int>(i) < kMaxGroups; ++i) {
        if (layouts[i].empty()) {
            continue;
        }
        XkbLayout layout{layouts[i], i < variants.size() ? variants[i] : std::string()};
        // The rules also accept "de(nodeadkeys)" in the layout field itself.
        const auto open = layout.layout.find('(');
        if (open != std::string::npos && layout.layout.back() == ')') {
            if (layout.variant.empty()) {
                layout.variant = layout.layout.substr(open + 1, layout.layout.size() - open - 2);
            }
            layout.layout.resize(open);
        }
        result.push_back(std::move(layout));
    }
    return result;
}

InputSource XkbInputSources::describe(const XkbRegistry& registry, const XkbLayout& layout) {
    const auto description = registry.description(layout);
    const auto known = LayoutNames::nameFor(layout.layout, layout.variant);
    const std::string name = description.value_or(
        layout.variant.empty() ? layout.layout : layout.layout + "(" + layout.variant + ")");
    const std::string component = known ? std::string(*known) : name;
    return {LayoutIdentifier::build(layout, component), name};
}

std::optional<std::vector<InputSource>> XkbInputSources::enabledSources() const {
    const auto layouts = groupLayouts();
    if (!layouts) {
        return std::nullopt;
    }
    std::vector<InputSource> sources;
    sources.reserve(layouts->size());
    for (const XkbLayout& layout : *layouts) {
        sources.push_back(describe(layout));
    }
    return sources;
}

std::optional<int> XkbInputSources::lockedGroup() const {
    if (!m_connection) {
        return std::nullopt;
    }
    XkbStateRec state{};
    const bool read = XkbGetState(m_connection->get(), XkbUseCoreKbd, &state) == Success;
    drainLater();
    if (!read) {
        return std::nullopt;
    }
    return static_cast<int>(state.locked_group);
}

std::optional<std::string> XkbInputSources::currentSourceID() const {
    const auto group = lockedGroup();
    const auto sources = enabledSources();
    if (!group || !sources || *group >= static_cast<int>(sources->size())) {
        return std::nullopt;
    }
    return (*sources)[static_cast<std::size_t>(*group)].id;
}

SelectStatus XkbInputSources::selectSource(std::string_view id) {
    const auto sources = enabledSources();
    if (!sources) {
        return SelectStatus::unreachable;
    }
    for (std::size_t group = 0; group < sources->size(); ++group) {
        if ((*sources)[group].id != id) {
            continue;
        }
        Display* display = m_connection->get();
        if (!XkbLockGroup(display, XkbUseCoreKbd, static_cast<unsigned>(group))) {
            return SelectStatus::refused;
        }
        XSync(display, False);
        return lockedGroup() == static_cast<int>(group) ? SelectStatus::selected
                                                        : SelectStatus::notApplied;
    }
    return SelectStatus::notEnabled;
}

std::optional<std::string> XkbInputSources::keyText(KeyCode key) const {
    const auto locked = lockedGroup();
    const auto layouts = groupLayouts();
    if (!locked || !layouts) {
        return std::nullopt;
    }
    Display* display = m_connection->get();
    return LatinKeyText::find(
        static_cast<int>(layouts->size()), *locked, key, [display](KeyCode code, int group) {
            const auto xKey = toXKeycode(code);
            return static_cast<xkb_keysym_t>(xKey ? XkbKeycodeToKeysym(display, *xKey, group, 0)
                                                  : NoSymbol);
        });
}

void XkbInputSources::setChangeCallback(std::function<void()> callback) {
    m_changeCallback = std::move(callback);
    if (!m_connection || !m_changeCallback || m_notifier) {
        return;
    }
    Display* display = m_connection->get();
    XkbSelectEventDetails(display, XkbUseCoreKbd, XkbStateNotify, XkbGroupLockMask,
                          XkbGroupLockMask);
    XkbSelectEvents(display, XkbUseCoreKbd, XkbNewKeyboardNotifyMask, XkbNewKeyboardNotifyMask);
    // setxkbmap rewrites the rules property when the set of layouts changes.
    XSelectInput(display, m_connection->root(), PropertyChangeMask);
    XFlush(display);
    m_notifier =
        std::make_unique<QSocketNotifier>(ConnectionNumber(display), QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { readEvents(); });
}

void XkbInputSources::readEvents() {
    Display* display = m_connection->get();
    const Atom rules = XInternAtom(display, "_XKB_RULES_NAMES", False);
    bool changed = false;
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == m_connection->xkbEventBase()) {
            changed = true;
        } else if (event.type == PropertyNotify && event.xproperty.atom == rules) {
            changed = true;
        }
    }
    if (changed && m_changeCallback) {
        m_changeCallback();
    }
}

}  // namespace korrelang::platform::x11
