#pragma once

#include <array>
#include <cstdint>

namespace korrelang::engine {

/// The Unicode properties the converter asks of every code point, read from ICU and kept in a
/// flat table for the scripts of the catalogue, so the hot loops make one array lookup.
class CodePointTraits {
public:
    enum Flag : std::uint8_t {
        /// Grapheme_Cluster_Break is Other, Control or LF: a cluster boundary always separates
        /// two such code points (a CR is not one of them: it joins a following LF).
        kPlainBreak = 1 << 0,
        kWhitespace = 1 << 1,  ///< White_Space
        kNotNfc = 1 << 2,      ///< NFC_Quick_Check is No: never occurs in NFC text
        kNfcMaybe = 1 << 3,    ///< NFC_Quick_Check is Maybe: may compose with what precedes it
    };

    static std::uint8_t of(char32_t codePoint) {
        if (codePoint < kTableLimit) {
            static const Table table = build();
            return table[codePoint];
        }
        return compute(codePoint);
    }

private:
    static constexpr char32_t kTableLimit = 0x3400;
    using Table = std::array<std::uint8_t, kTableLimit>;

    static Table build();
    static std::uint8_t compute(char32_t codePoint);
};

}  // namespace korrelang::engine
