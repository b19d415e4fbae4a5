#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korrelang::platform::sway {

/// The window that has the focus, as `get_tree` shows it.
struct FocusedNode {
    std::string appId;  ///< the Wayland app_id, else the X11 class of an Xwayland window
    std::string name;   ///< the X11 instance or the app_id, for when no desktop entry names it
    std::optional<long> pid;
};

/// One keyboard of `get_inputs`.
struct KeyboardInput {
    std::string identifier;
    std::vector<std::string> layoutNames;  ///< the layouts' descriptions ("English (US)")
    int activeIndex = 0;
};

/// Reading sway's JSON replies and events. Malformed JSON reads as nothing.
class SwayReplies {
public:
    /// The focused window of a `get_tree` reply; nothing when a workspace, not a window, has it.
    static std::optional<FocusedNode> focusedNode(std::string_view treeJson);
    /// The keyboards of a `get_inputs` reply, in sway's order.
    static std::vector<KeyboardInput> keyboards(std::string_view inputsJson);
    /// The keyboard whose layouts Korrelang follows: the one with the most layouts, the first of
    /// equals (virtual keyboards, Korrelang's own among them, carry one).
    static std::optional<KeyboardInput> mainKeyboard(std::string_view inputsJson);
    /// Whether every command of a `run_command` reply succeeded; the first error otherwise.
    static bool commandSucceeded(std::string_view replyJson, std::string* error = nullptr);
    /// Whether a `subscribe` reply says yes.
    static bool subscribed(std::string_view replyJson);
    /// The command of a `binding` event ("nop korrelang-hotkey-1"), empty for another event.
    static std::string bindingCommand(std::string_view eventJson);
    /// The change an `input` event reports ("xkb_layout", "xkb_keymap", "added"…).
    static std::string inputChange(std::string_view eventJson);
};

}  // namespace korrelang::platform::sway
