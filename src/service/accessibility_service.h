#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "line_text.h"
#include "platform/accessibility_text.h"
#include "platform/input_sources.h"
#include "platform/workspace.h"

namespace korrelang::service {

/// The text a press converts, as read through the accessibility interface: the selection, or
/// the line before the caret.
struct AccessibleText {
    std::shared_ptr<platform::TextElement> element;
    std::string text;
    platform::TextRange range;  ///< where `text` sits in the element, in characters
    bool isSelection = false;
};

/// The one place that talks to other applications through the accessibility interface, and the
/// keyboard operations beside it: the permission pair, the focused element, reading the selection
/// or the line up to the caret, replacing a range, and reading and switching the active keyboard.
/// Nothing is cached between calls. Main thread only.
class AccessibilityService {
public:
    AccessibilityService(platform::AccessibilityText& accessibility,
                         platform::InputSources& inputSources, platform::Workspace& workspace)
        : m_accessibility(accessibility), m_inputSources(inputSources), m_workspace(workspace) {}

    bool checkAccessibilityPermission() const;
    /// Asks for the permission; when it is still missing, opens the desktop's settings page.
    void requestAccessibilityPermission();

    std::shared_ptr<platform::TextElement> getFocusedElement() const;
    /// The selection of the focused element, possibly empty; nothing when it cannot be read. The
    /// element's whole text is never taken as the selection.
    std::optional<std::string> getSelectedTextViaAccessibility() const;
    /// A non-empty selection, or nothing.
    std::optional<std::string> getSelectedText() const;
    /// The text from the start of the caret's line to the caret. A line starts after a line feed
    /// (the one of a CR LF pair included); the caret is clamped to the text, so the range never
    /// runs past its end.
    std::optional<LineText> getTextFromLineStartToCursor() const;
    /// The focused element's selection, else the line before its caret, read from one element.
    /// Nothing when there is no focused element with readable text. Within one press (from
    /// startPress on) every read uses the element the first one found: writing to a field can
    /// move the desktop's focus reports to its container (browsers do), not the user's focus.
    /// An application not found on the accessibility bus, or not answering, is not looked for
    /// again in the press.
    std::optional<AccessibleText> readTextToConvert() const;
    /// A new press: the next read looks the focused element up afresh.
    void startPress() {
        m_pressElement.reset();
        m_pressWithoutApplication = false;
    }
    /// Selects (location, length) in the focused element and replaces it with `text`; true when
    /// both writes succeeded. Negative positions are refused.
    bool replaceTextInRange(long location, long length, std::string_view text);

    /// The identifier of the active keyboard layout.
    std::optional<std::string> getCurrentKeyboardID() const;
    /// Selects the first of `keyboards` whose catalogue layout is `targetID` (needs at least two).
    void switchKeyboardForTarget(std::string_view targetID,
                                 const std::vector<std::string>& keyboards);
    bool switchToKeyboard(std::string_view id);

    /// The line of `value` that ends at character `cursor` (clamped to the value).
    static LineText lineBeforeCursor(std::string_view value, long cursor);
    /// Whether `text` holds U+FFFC (an embedded object), which cannot be converted; logs it.
    static bool holdsEmbeddedObject(std::string_view text);

private:
    platform::AccessibilityText& m_accessibility;
    platform::InputSources& m_inputSources;
    platform::Workspace& m_workspace;
    mutable std::shared_ptr<platform::TextElement> m_pressElement;
    /// The focused application could not be found in this press: each way asks, and each search
    /// of the bus can wait on an application that is closing.
    mutable bool m_pressWithoutApplication = false;
};

}  // namespace korrelang::service
