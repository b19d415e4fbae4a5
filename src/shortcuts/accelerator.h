#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "shortcut.h"

namespace korrelang::shortcuts {

/// A shortcut in the GTK accelerator form that GSettings and the desktops' shortcut settings use,
/// and in which the settings file stores it: "<Control><Shift>space".
///
/// The key is the keysym it types on the US layout, whatever layout is active. Printing writes
/// the modifiers as <Control><Shift><Alt><Super>, in that order; parsing also takes <Primary>,
/// <Ctrl>, <Mod1>, <Mod4> and <Meta>, any order and any case, and key names in any case.
class Accelerator {
public:
    /// Nothing for an unknown modifier or key name, an unclosed "<", or a missing key.
    static std::optional<Accelerator> parse(std::string_view text);
    /// Nothing when the key types no keysym on the US layout.
    static std::optional<Accelerator> of(const Shortcut& shortcut);

    /// A modifier by any name desktops write it with (Primary, Control, Ctrl, Alt, Mod1, Super,
    /// Mod4, Meta, Win), in any case.
    static std::optional<platform::Modifier> modifierNamed(std::string_view name);
    /// "<Control><Shift>space" as its modifiers and the rest ("space"); nothing for an unknown
    /// or unclosed modifier.
    static std::optional<std::pair<platform::Modifiers, std::string_view>> split(
        std::string_view text);

    const Shortcut& shortcut() const { return m_shortcut; }
    const std::string& text() const { return m_text; }

    bool operator==(const Accelerator&) const = default;

private:
    Accelerator(Shortcut shortcut, std::string text)
        : m_shortcut(shortcut), m_text(std::move(text)) {}

    Shortcut m_shortcut;
    std::string m_text;
};

}  // namespace korrelang::shortcuts
