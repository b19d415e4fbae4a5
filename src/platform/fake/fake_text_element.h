#pragma once

#include <functional>

#include "platform/accessibility_text.h"

namespace korrelang::platform::fake {

/// A text field whose answers a test sets. Ranges are in whole code points of `text`, which is
/// what tests written with single-code-point characters expect; each answer's code can be forced.
class FakeTextElement : public TextElement {
public:
    std::string roleName = "text";
    std::optional<std::vector<std::string>> interfaces =
        std::vector<std::string>{"Accessible", "Text", "EditableText"};
    std::string text;
    TextRange selection;  ///< caret when length is 0
    AccessCode selectedTextCode = AccessCode::success;
    AccessCode selectedRangeCode = AccessCode::success;
    AccessCode valueCode = AccessCode::success;
    AccessCode setRangeCode = AccessCode::success;
    AccessCode setTextCode = AccessCode::success;
    std::vector<TextRange> rangesSet;   ///< every range written
    std::vector<std::string> textsSet;  ///< every text written
    bool editable = true;
    AccessCode insertCode = AccessCode::success;
    AccessCode deleteCode = AccessCode::success;
    /// Answers yes to inserts and deletes and changes nothing, as some browsers do.
    bool ignoresWrites = false;
    /// A length limit in code points: an insert is cut to what fits, silently.
    std::optional<long> maxLength;
    int inserts = 0, deletes = 0;
    /// Runs after every insert or delete (a user typing, an application reformatting).
    std::function<void()> afterEdit;
    /// Writes given a text that was not the field's text at the time of the call.
    int staleGivenTexts = 0;

    std::string role() const override { return roleName; }
    std::optional<std::vector<std::string>> interfaceNames() const override { return interfaces; }
    AccessResult<std::string> selectedText() const override;
    AccessResult<TextRange> selectedRange() const override;
    AccessResult<std::string> value() const override;
    AccessCode setSelectedRange(TextRange range) override;
    AccessCode setSelectedText(std::string_view newText) override;
    bool isEditable() const override { return editable; }
    AccessCode insertText(long position, std::string_view newText) override;
    AccessCode deleteText(TextRange range) override;
    AccessCode insertTextGiven(const std::string& current, long position,
                               std::string_view newText) override {
        noteGiven(current);
        return insertText(position, newText);
    }
    AccessCode deleteTextGiven(const std::string& current, TextRange range) override {
        noteGiven(current);
        return deleteText(range);
    }
    AccessCode setSelectedRangeGiven(const std::string& current, TextRange range) override {
        noteGiven(current);
        return setSelectedRange(range);
    }
    RewriteAnswers rewrite(const Rewrite& rewrite) override;

private:
    void noteGiven(const std::string& current) {
        if (current != text) {
            ++staleGivenTexts;
        }
    }
};

}  // namespace korrelang::platform::fake
