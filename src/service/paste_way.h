#pragma once

#include <functional>
#include <optional>

#include "accessibility_service.h"
#include "clipboard_strategies.h"
#include "conversion_way.h"

namespace korrelang::service {

/// For fields whose text the accessibility interface gives but cannot write (no EditableText, a
/// write that answers yes and changes nothing, selection calls that hang or clear): reads the
/// text through it, selects the range (the user's selection as it is; the line before the caret
/// with Shift+Left, else through the interface), pastes the result with the application's paste
/// key, reads the field back to verify, and gives the user's clipboard back. A paste that does
/// not read back as intended is undone. Background worker.
class PasteWay : public ConversionWay {
public:
    PasteWay(AccessibilityService& accessibility, ClipboardStrategies& clipboard,
             const MainThread& main)
        : m_accessibility(accessibility), m_clipboard(clipboard), m_main(main) {}

    std::string_view name() const override { return "paste"; }
    ConversionEvents::Method method() const override { return ConversionEvents::Method::Clipboard; }
    bool needsWorker() const override { return true; }
    /// Not where no synthetic key can be sent: the paste could never come.
    bool appliesTo(const ConversionPress&) const override;
    Outcome attempt(ConversionPress& press) override;

    /// The most characters by which keys move the end of a selection, one press per character.
    static constexpr long kMaxKeyedSelection = 2000;

private:
    /// Makes `range` the element's selection; the caret sits at its end when `isSelection` is
    /// false. Verified by reading the selection back.
    bool select(platform::TextElement& element, platform::TextRange range, bool isSelection);
    /// Selects `range` with Shift+Home and Shift+Left or Shift+Right from the caret at its end.
    bool selectWithKeys(platform::TextElement& element, platform::TextRange range);
    /// Waits, within a bounded time, until the element's selection is `wanted`; the selection
    /// read last.
    std::optional<platform::TextRange> awaitSelection(
        platform::TextElement& element, const std::function<bool(platform::TextRange)>& wanted);
    /// Waits until the element's selection reads `range`.
    bool selectionBecomes(platform::TextElement& element, platform::TextRange range);
    /// Waits until the element's text reads `text`; returns what it read last.
    std::optional<std::string> waitForText(platform::TextElement& element, const std::string& text);
    /// Pastes `text` over `range`; true when the field then reads `intended`.
    bool pasteOver(platform::TextElement& element, platform::TextRange range, bool isSelection,
                   const std::string& text, const std::string& intended,
                   std::optional<std::string>& readBack);

    AccessibilityService& m_accessibility;
    ClipboardStrategies& m_clipboard;
    const MainThread& m_main;
};

}  // namespace korrelang::service
