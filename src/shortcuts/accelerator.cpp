#include "accelerator.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/x11/us_key_names.h"

namespace korrelang::shortcuts {

using platform::Modifier;

std::optional<platform::Modifier> Accelerator::modifierNamed(std::string_view name) {
    std::string lowered(name);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lowered == "control" || lowered == "primary" || lowered == "ctrl") {
        return Modifier::Control;
    }
    if (lowered == "shift") {
        return Modifier::Shift;
    }
    if (lowered == "alt" || lowered == "mod1") {
        return Modifier::Alt;
    }
    if (lowered == "super" || lowered == "mod4" || lowered == "meta" || lowered == "win") {
        return Modifier::Super;
    }
    return std::nullopt;
}

std::optional<std::pair<platform::Modifiers, std::string_view>> Accelerator::split(
    std::string_view text) {
    platform::Modifiers modifiers;
    while (!text.empty() && text.front() == '<') {
        const auto close = text.find('>');
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        const auto modifier = modifierNamed(text.substr(1, close - 1));
        if (!modifier) {
            return std::nullopt;
        }
        modifiers |= *modifier;
        text.remove_prefix(close + 1);
    }
    return std::pair{modifiers, text};
}

std::optional<Accelerator> Accelerator::parse(std::string_view text) {
    const auto parts = split(text);
    const auto key = parts && !parts->second.empty() ? platform::x11::UsKeyNames::key(parts->second)
                                                     : std::nullopt;
    if (!key) {
        return std::nullopt;
    }
    return of(Shortcut{*key, parts->first});
}

std::optional<Accelerator> Accelerator::of(const Shortcut& shortcut) {
    const Shortcut held{shortcut.key, shortcut.modifiers.held()};
    auto text = platform::x11::UsKeyNames::accelerator(held.key, held.modifiers);
    if (!text) {
        return std::nullopt;
    }
    return Accelerator(held, std::move(*text));
}

}  // namespace korrelang::shortcuts
