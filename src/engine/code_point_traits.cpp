#include "code_point_traits.h"

#include <unicode/uchar.h>
#include <unicode/unorm2.h>

namespace korrelang::engine {

std::uint8_t CodePointTraits::compute(char32_t codePoint) {
    const auto c = static_cast<UChar32>(codePoint);
    std::uint8_t flags = 0;
    const int32_t gcb = u_getIntPropertyValue(c, UCHAR_GRAPHEME_CLUSTER_BREAK);
    if (c != 0x0D && (gcb == U_GCB_OTHER || gcb == U_GCB_CONTROL || gcb == U_GCB_LF)) {
        flags |= kPlainBreak;
    }
    if (u_hasBinaryProperty(c, UCHAR_WHITE_SPACE)) {
        flags |= kWhitespace;
    }
    const int32_t quickCheck = u_getIntPropertyValue(c, UCHAR_NFC_QUICK_CHECK);
    if (quickCheck == UNORM_NO) {
        flags |= kNotNfc;
    } else if (quickCheck == UNORM_MAYBE) {
        flags |= kNfcMaybe;
    }
    return flags;
}

CodePointTraits::Table CodePointTraits::build() {
    Table table{};
    for (char32_t c = 0; c < kTableLimit; ++c) {
        table[c] = compute(c);
    }
    return table;
}

}  // namespace korrelang::engine
