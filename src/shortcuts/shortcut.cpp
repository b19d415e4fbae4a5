#include "shortcut.h"

#include <array>
#include <utility>

#include "engine/grapheme_cursor.h"
#include "engine/unicode.h"
#include "platform/input_sources.h"
#include "special_key.h"

namespace korrelang::shortcuts {

namespace {

using platform::Modifier;

struct Symbol {
    Modifier modifier;
    const char* symbol;
};

// In the order their symbols are shown.
constexpr std::array<Symbol, 4> kModifiers{{
    {Modifier::Control, "⌃"},
    {Modifier::Alt, "⌥"},
    {Modifier::Shift, "⇧"},
    {Modifier::Super, "⌘"},
}};

}  // namespace

std::string Shortcut::description(const platform::InputSources& inputSources) const {
    std::string text;
    for (const Symbol& symbol : kModifiers) {
        if (modifiers.has(symbol.modifier)) {
            text += symbol.symbol;
        }
    }
    if (const auto symbol = SpecialKey::symbol(key)) {
        return text + *symbol;
    }
    const auto typed = inputSources.keyText(key);
    if (typed && engine::unicode::isValidUtf8(*typed) &&
        engine::GraphemeCursor::count(*typed) == 1) {
        return text + engine::unicode::toUpper(*typed);
    }
    return text + "\uFFFD";
}

}  // namespace korrelang::shortcuts
