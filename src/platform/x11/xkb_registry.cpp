#include "xkb_registry.h"

#include <xkbcommon/xkbregistry.h>

#include <memory>

#include "platform/log.h"

namespace korrelang::platform::x11 {

namespace {

struct ContextUnref {
    void operator()(rxkb_context* context) const { rxkb_context_unref(context); }
};

}  // namespace

XkbRegistry::XkbRegistry() {
    std::unique_ptr<rxkb_context, ContextUnref> context(rxkb_context_new(RXKB_CONTEXT_NO_FLAGS));
    if (!context || !rxkb_context_parse_default_ruleset(context.get())) {
        logLine("⚠️ XKB registry could not be read; layouts are named by their codes");
        return;
    }
    for (rxkb_layout* layout = rxkb_layout_first(context.get()); layout != nullptr;
         layout = rxkb_layout_next(layout)) {
        const char* name = rxkb_layout_get_name(layout);
        const char* variant = rxkb_layout_get_variant(layout);
        const char* text = rxkb_layout_get_description(layout);
        if (name == nullptr || text == nullptr) {
            continue;
        }
        m_descriptions.emplace(
            std::make_pair(std::string(name), std::string(variant ? variant : "")),
            std::string(text));
    }
}

std::optional<std::string> XkbRegistry::description(const XkbLayout& layout) const {
    const auto it = m_descriptions.find(std::make_pair(layout.layout, layout.variant));
    if (it == m_descriptions.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::optional<XkbLayout> XkbRegistry::layoutFor(std::string_view description) const {
    std::optional<XkbLayout> found;
    for (const auto& [key, text] : m_descriptions) {
        if (text != description) {
            continue;
        }
        if (!found || key.second.size() < found->variant.size()) {
            found = XkbLayout{key.first, key.second};
        }
    }
    return found;
}

}  // namespace korrelang::platform::x11
