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

namespace Flag = platform::ModifierFlag;
namespace Mask = platform::HotKeyModifier;

struct Modifier {
    std::uint32_t flag;
    std::uint32_t mask;
    const char* symbol;
};

// In the order their symbols are shown.
constexpr std::array<Modifier, 5> kModifiers{{
    {Flag::control, Mask::control, "⌃"},
    {Flag::option, Mask::option, "⌥"},
    {Flag::shift, Mask::shift, "⇧"},
    {Flag::command, Mask::command, "⌘"},
    {Flag::function, Mask::function, "🌐︎"},
}};

bool fitsInt(double value, double max) {
    return value >= 0 && value <= max &&
           value == static_cast<double>(static_cast<long long>(value));
}

}  // namespace

Shortcut Shortcut::fromFlags(platform::KeyCode key, std::uint32_t flags) {
    std::uint32_t mask = 0;
    for (const Modifier& modifier : kModifiers) {
        if (flags & modifier.flag) {
            mask |= modifier.mask;
        }
    }
    return {key, mask};
}

std::string Shortcut::toJson() const {
    const QJsonObject object{{"carbonKeyCode", static_cast<int>(carbonKeyCode)},
                             {"carbonModifiers", static_cast<qint64>(carbonModifiers)}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

std::optional<Shortcut> Shortcut::fromJson(std::string_view json) {
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(json.data(), static_cast<qsizetype>(json.size())));
    if (!document.isObject()) {
        return std::nullopt;
    }
    const QJsonValue key = document.object().value("carbonKeyCode");
    const QJsonValue modifiers = document.object().value("carbonModifiers");
    if (!key.isDouble() || !modifiers.isDouble() ||
        !fitsInt(key.toDouble(), std::numeric_limits<platform::KeyCode>::max()) ||
        !fitsInt(modifiers.toDouble(), std::numeric_limits<std::uint32_t>::max())) {
        return std::nullopt;
    }
    return Shortcut{static_cast<platform::KeyCode>(key.toDouble()),
                    static_cast<std::uint32_t>(modifiers.toDouble())};
}

std::string Shortcut::description(const platform::InputSources& inputSources) const {
    std::string text;
    for (const Modifier& modifier : kModifiers) {
        if (carbonModifiers & modifier.mask) {
            text += modifier.symbol;
        }
    }
    if (const auto symbol = SpecialKey::symbol(carbonKeyCode)) {
        return text + *symbol;
    }
    const auto typed = inputSources.keyText(carbonKeyCode);
    if (typed && engine::unicode::isValidUtf8(*typed) &&
        engine::GraphemeCursor::count(*typed) == 1) {
        return text + engine::unicode::toUpper(*typed);
    }
    return text + "\uFFFD";
}

}  // namespace korrelang::shortcuts
