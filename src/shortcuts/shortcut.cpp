#include "shortcut.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <array>
#include <limits>
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
    std::uint32_t mask;  // in the stored form
    const char* symbol;
};

// In the order their symbols are shown.
constexpr std::array<Symbol, 4> kModifiers{{
    {Modifier::Control, 0x1000, "⌃"},
    {Modifier::Alt, 0x800, "⌥"},
    {Modifier::Shift, 0x200, "⇧"},
    {Modifier::Super, 0x100, "⌘"},
}};

bool fitsInt(double value, double max) {
    return value >= 0 && value <= max &&
           value == static_cast<double>(static_cast<long long>(value));
}

}  // namespace

std::string Shortcut::toJson() const {
    std::uint32_t mask = 0;
    for (const Symbol& symbol : kModifiers) {
        mask |= modifiers.has(symbol.modifier) ? symbol.mask : 0;
    }
    const QJsonObject object{{"carbonKeyCode", static_cast<int>(key)},
                             {"carbonModifiers", static_cast<qint64>(mask)}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

std::optional<Shortcut> Shortcut::fromJson(std::string_view json) {
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(json.data(), static_cast<qsizetype>(json.size())));
    if (!document.isObject()) {
        return std::nullopt;
    }
    const QJsonValue key = document.object().value("carbonKeyCode");
    const QJsonValue mask = document.object().value("carbonModifiers");
    if (!key.isDouble() || !mask.isDouble() ||
        !fitsInt(key.toDouble(), std::numeric_limits<platform::KeyCode>::max()) ||
        !fitsInt(mask.toDouble(), std::numeric_limits<std::uint32_t>::max())) {
        return std::nullopt;
    }
    platform::Modifiers modifiers;
    for (const Symbol& symbol : kModifiers) {
        if ((static_cast<std::uint32_t>(mask.toDouble()) & symbol.mask) != 0) {
            modifiers |= symbol.modifier;
        }
    }
    return Shortcut{static_cast<platform::KeyCode>(key.toDouble()), modifiers};
}

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
