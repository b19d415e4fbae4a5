#include "legacy_shortcut.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <cstdint>

namespace korrelang::shortcuts {

namespace {

using platform::Modifier;

// The earlier key numbers 0–126 → evdev codes; 0 where no shortcut key had that number (the
// modifier keys among them).
constexpr std::array<std::uint8_t, 127> kKeys = {
    30,  31,  32,  33,  35,  34,  44, 45,  46, 47,  86,  48,  16,  17, 18,  19, 21, 20, 2,
    3,   4,   5,   7,   6,   13,  10, 8,   12, 9,   11,  27,  24,  22, 26,  23, 25, 28, 38,
    36,  40,  37,  39,  43,  51,  53, 49,  50, 52,  15,  57,  41,  14, 0,   1,  0,  0,  0,
    0,   0,   0,   0,   0,   0,   0,  187, 0,  0,   0,   0,   0,   0,  0,   0,  0,  0,  0,
    0,   0,   0,   188, 189, 0,   0,  0,   0,  0,   0,   0,   0,   0,  190, 0,  0,  0,  0,
    0,   63,  64,  65,  61,  66,  67, 0,   87, 0,   183, 186, 184, 0,  68,  0,  88, 0,  185,
    110, 102, 104, 111, 62,  107, 60, 109, 59, 105, 106, 108, 103};

// The earlier mask bits.
constexpr std::array<std::pair<std::uint32_t, Modifier>, 4> kMaskBits{{
    {0x100, Modifier::Super},
    {0x200, Modifier::Shift},
    {0x800, Modifier::Alt},
    {0x1000, Modifier::Control},
}};

bool isWhole(double value) {
    return value >= 0 && value <= 0xFFFFFFFF &&
           value == static_cast<double>(static_cast<long long>(value));
}

}  // namespace

std::optional<Shortcut> LegacyShortcut::fromJson(std::string_view json) {
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(json.data(), static_cast<qsizetype>(json.size())));
    if (!document.isObject()) {
        return std::nullopt;
    }
    const QJsonValue key = document.object().value("carbonKeyCode");
    const QJsonValue mask = document.object().value("carbonModifiers");
    if (!key.isDouble() || !mask.isDouble() || !isWhole(key.toDouble()) ||
        !isWhole(mask.toDouble()) || key.toDouble() >= static_cast<double>(kKeys.size())) {
        return std::nullopt;
    }
    const auto evdev = kKeys[static_cast<std::size_t>(key.toDouble())];
    auto bits = static_cast<std::uint32_t>(mask.toDouble());
    platform::Modifiers modifiers;
    for (const auto& [bit, modifier] : kMaskBits) {
        if ((bits & bit) != 0) {
            modifiers |= modifier;
            bits &= ~bit;
        }
    }
    if (evdev == 0 || bits != 0) {
        return std::nullopt;
    }
    return Shortcut{evdev, modifiers};
}

}  // namespace korrelang::shortcuts
