#include "sway_input_sources.h"

#include <xkbcommon/xkbcommon.h>

#include <algorithm>

#include "platform/log.h"
#include "platform/x11/xkb_input_sources.h"

namespace korrelang::platform::sway {

namespace {

constexpr std::uint32_t kXkbOffset = 8;

struct ContextUnref {
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
};
struct KeymapUnref {
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};

bool isLatinLetter(xkb_keysym_t keysym) {
    return (keysym >= XKB_KEY_a && keysym <= XKB_KEY_z) ||
           (keysym >= XKB_KEY_A && keysym <= XKB_KEY_Z);
}

std::string joined(const std::vector<x11::XkbLayout>& layouts, bool variants) {
    std::string out;
    for (const auto& layout : layouts) {
        out += (out.empty() ? "" : ",") + (variants ? layout.variant : layout.layout);
    }
    return out;
}

}  // namespace

SwayInputSources::SwayInputSources(const std::string& socketPath)
    : m_socketPath(socketPath), m_ipc(socketPath) {}

SwayInputSources::~SwayInputSources() = default;

std::optional<SwayInputSources::Layouts> SwayInputSources::layouts() const {
    const auto reply = m_ipc.request(IpcType::getInputs, {});
    if (!reply) {
        return std::nullopt;
    }
    const auto keyboard = SwayReplies::mainKeyboard(*reply);
    Layouts result;
    if (!keyboard) {
        return result;
    }
    for (const std::string& name : keyboard->layoutNames) {
        if (auto layout = m_registry.layoutFor(name)) {
            result.layouts.push_back(*layout);
        } else {
            logLine("⚠️ sway layout \"" + name + "\" is not in the XKB registry");
            result.layouts.push_back({name, ""});
        }
    }
    result.active = keyboard->activeIndex;
    return result;
}

std::optional<std::vector<InputSource>> SwayInputSources::enabledSources() const {
    const auto found = layouts();
    if (!found) {
        return std::nullopt;
    }
    std::vector<InputSource> sources;
    for (const auto& layout : found->layouts) {
        sources.push_back(x11::XkbInputSources::describe(m_registry, layout));
    }
    return sources;
}

std::optional<std::string> SwayInputSources::currentSourceID() const {
    const auto found = layouts();
    if (!found || found->active < 0 || found->active >= static_cast<int>(found->layouts.size())) {
        return std::nullopt;
    }
    return x11::XkbInputSources::describe(m_registry, found->layouts[found->active]).id;
}

SelectStatus SwayInputSources::selectSource(std::string_view id) {
    const auto wanted = x11::LayoutIdentifier::parse(id);
    const auto found = layouts();
    if (!found) {
        return SelectStatus::unreachable;
    }
    const auto it = wanted ? std::find(found->layouts.begin(), found->layouts.end(), *wanted)
                           : found->layouts.end();
    if (it == found->layouts.end()) {
        return SelectStatus::notEnabled;
    }
    const auto index = it - found->layouts.begin();
    const auto reply = m_ipc.request(
        IpcType::runCommand, "input type:keyboard xkb_switch_layout " + std::to_string(index));
    std::string error;
    if (!reply || !SwayReplies::commandSucceeded(*reply, &error)) {
        logLine("❌ sway did not switch the layout: " + error);
        return SelectStatus::refused;
    }
    return SelectStatus::selected;
}

std::optional<std::string> SwayInputSources::keyText(KeyCode key) const {
    const auto found = layouts();
    if (!found || found->layouts.empty()) {
        return std::nullopt;
    }
    const std::unique_ptr<xkb_context, ContextUnref> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    const std::string layoutList = joined(found->layouts, false);
    const std::string variantList = joined(found->layouts, true);
    const xkb_rule_names names{"evdev", "pc105", layoutList.c_str(), variantList.c_str(), ""};
    const std::unique_ptr<xkb_keymap, KeymapUnref> keymap(
        context ? xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS)
                : nullptr);
    if (!keymap) {
        return std::nullopt;
    }
    // The active layout when it types Latin letters, else the first that does.
    std::vector<int> order{found->active};
    for (int group = 0; group < static_cast<int>(found->layouts.size()); ++group) {
        if (group != found->active) {
            order.push_back(group);
        }
    }
    const auto keysymOf = [&](std::uint32_t code, int group) -> xkb_keysym_t {
        const xkb_keysym_t* syms = nullptr;
        const int count = xkb_keymap_key_get_syms_by_level(
            keymap.get(), code + kXkbOffset, static_cast<xkb_layout_index_t>(group), 0, &syms);
        return count > 0 ? syms[0] : XKB_KEY_NoSymbol;
    };
    for (const int group : order) {
        if (!isLatinLetter(keysymOf(KEY_A, group))) {
            continue;
        }
        char text[8] = {};
        const int length = xkb_keysym_to_utf8(keysymOf(key, group), text, sizeof text);
        if (length <= 1) {
            return std::nullopt;
        }
        return std::string(text);
    }
    return std::nullopt;
}

void SwayInputSources::setChangeCallback(std::function<void()> callback) {
    m_changeCallback = std::move(callback);
    if (!m_changeCallback || m_events) {
        return;
    }
    m_events = std::make_unique<SwaySubscription>(
        m_socketPath, R"(["input"])", [this](const IpcMessage& event) {
            const std::string change = SwayReplies::inputChange(event.payload);
            if (m_changeCallback && (change == "xkb_layout" || change == "xkb_keymap" ||
                                     change == "added" || change == "removed")) {
                m_changeCallback();
            }
        });
}

}  // namespace korrelang::platform::sway
