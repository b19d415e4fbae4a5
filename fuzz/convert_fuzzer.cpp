// Feeds arbitrary bytes and layout lists to the converter. The first bytes choose the layouts,
// the active keyboard and the preferred target; the rest is the text, valid UTF-8 or not.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/grapheme_cursor.h"
#include "engine/keyboard_mapping_registry.h"
#include "engine/layout_converter.h"
#include "engine/unicode.h"

namespace {

using korrelang::engine::GraphemeCursor;
using korrelang::engine::KeyboardMappingRegistry;
using korrelang::engine::LayoutConverter;
namespace unicode = korrelang::engine::unicode;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// An identifier in one of the forms the desktop hands over, or something odd.
std::string identifierFor(std::uint8_t selector) {
    const auto& all = KeyboardMappingRegistry::shared().all();
    const auto& mapping = all[selector % all.size()];
    switch (selector / all.size()) {
        case 0: return "xkb.x." + mapping.displayName();
        case 1: return "com.apple.keylayout." + mapping.layoutPatterns().front();
        case 2: return mapping.id();
        default: return std::string(1, static_cast<char>(selector)) + ".";
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const std::size_t layoutCount = 1 + data[0] % 6;
    if (size < 3 + layoutCount) {
        return 0;
    }
    std::vector<std::string> layouts;
    for (std::size_t i = 0; i < layoutCount; ++i) {
        layouts.push_back(identifierFor(data[1 + i]));
    }
    const std::uint8_t activeSelector = data[1 + layoutCount];
    const std::uint8_t preferredSelector = data[2 + layoutCount];
    const std::optional<std::string> active =
        activeSelector % 3 == 0 ? std::nullopt
                                : std::optional<std::string>(identifierFor(activeSelector));
    const auto& all = KeyboardMappingRegistry::shared().all();
    const std::optional<std::string> preferred =
        preferredSelector % 3 == 0
            ? std::nullopt
            : std::optional<std::string>(all[preferredSelector % all.size()].id());
    const std::string text(reinterpret_cast<const char*>(data + 3 + layoutCount),
                           size - 3 - layoutCount);

    const LayoutConverter converter;
    const auto result = converter.convert(text, layouts, active, preferred);
    if (!unicode::isValidUtf8(text)) {
        check(!result);
        return 0;
    }
    if (result) {
        check(unicode::isValidUtf8(result->convertedText));
        check(result->fromLayoutID != result->toLayoutID);
    }
    // Every character is visited once and the pieces add up to the text.
    GraphemeCursor cursor(text);
    std::string_view cluster;
    std::size_t covered = 0;
    while (cursor.next(cluster)) {
        check(!cluster.empty() && cluster.data() == text.data() + covered);
        covered += cluster.size();
    }
    check(covered == text.size());
    check(unicode::isValidUtf8(LayoutConverter::capitalizeSentences(text)));
    return 0;
}
