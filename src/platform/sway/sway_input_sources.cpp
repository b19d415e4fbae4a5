#include "sway_input_sources.h"

#include <algorithm>

#include "platform/log.h"
#include "platform/x11/latin_key_text.h"
#include "platform/x11/xkb_input_sources.h"

namespace korrelang::platform::sway {

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
    if (!found) {
        return std::nullopt;
    }
    return x11::LatinKeyText::compiled(found->layouts, found->active, key);
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
