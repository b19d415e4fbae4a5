#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korrelang::platform {

/// Result codes of accessibility calls. Log lines print them as the signed numbers users report.
enum class AccessCode {
    success = 0,
    failure = -1,      ///< the application answered with an error
    unsupported = -2,  ///< the element lacks the interface the call needs
    noValue = -3,      ///< nothing is focused, or the answer was empty
    timedOut = -4,     ///< the application did not answer in time
    outOfRange = -5,   ///< a range beyond the element's text
    unavailable = -6,  ///< the accessibility bus cannot be reached
};

/// The code as log lines print it.
inline std::string toString(AccessCode code) {
    return std::to_string(static_cast<int>(code));
}

/// The answer of one accessibility call: a code, and a value only when the code is success.
template <typename T>
struct AccessResult {
    AccessCode code = AccessCode::failure;
    std::optional<T> value;

    static AccessResult ok(T v) { return {AccessCode::success, std::move(v)}; }
    static AccessResult error(AccessCode c) { return {c, std::nullopt}; }
    bool succeeded() const { return code == AccessCode::success && value.has_value(); }
};

/// A range of an element's text in user-perceived characters (extended grapheme clusters).
struct TextRange {
    long location = 0;
    long length = 0;
    bool operator==(const TextRange&) const = default;
};

/// An element's whole text and its selection (the caret when the length is 0), read together.
struct TextState {
    std::string text;
    TextRange selection;
    bool operator==(const TextState&) const = default;
};

/// The text element that has the keyboard focus in another application.
///
/// Offsets and lengths are user-perceived characters; the back end converts them exactly to and
/// from the toolkit's own units. Every call has a short timeout: a hung application yields
/// `AccessCode::timedOut`, never a blocked caller.
class TextElement {
public:
    virtual ~TextElement() = default;

    /// The element's role ("text", "entry"…), empty when unknown. For log lines only.
    virtual std::string role() const = 0;
    /// The interfaces the element offers ("Text", "EditableText"…), or nothing when the list
    /// cannot be read. For log lines only.
    virtual std::optional<std::vector<std::string>> interfaceNames() const = 0;

    /// The selected text; empty (with success) when there is only a caret.
    virtual AccessResult<std::string> selectedText() const = 0;
    /// The selection, or the caret as a range of length 0.
    virtual AccessResult<TextRange> selectedRange() const = 0;
    /// The element's whole text.
    virtual AccessResult<std::string> value() const = 0;
    /// The whole text and the selection read in one go, the selection mapped on that text.
    virtual AccessResult<TextState> textState() const {
        auto text = value();
        if (!text.succeeded()) {
            return AccessResult<TextState>::error(text.code);
        }
        const auto range = selectedRange();
        if (!range.succeeded()) {
            return AccessResult<TextState>::error(range.code);
        }
        return AccessResult<TextState>::ok({std::move(*text.value), *range.value});
    }

    /// Selects `range` (a caret when its length is 0). Returns an AccessCode.
    virtual AccessCode setSelectedRange(TextRange range) = 0;
    /// Replaces the selection (or inserts at the caret) with `text` and leaves the caret after
    /// it. Returns an AccessCode. Unverified: see insertText.
    virtual AccessCode setSelectedText(std::string_view text) = 0;

    /// Whether the element offers writing its text (AT-SPI's EditableText).
    virtual bool isEditable() const = 0;
    /// Inserts `text` before character `position`. Returns an AccessCode. Success only means
    /// that the application answered yes: some answer yes and change nothing, or truncate to a
    /// length limit. Read the text back.
    virtual AccessCode insertText(long position, std::string_view text) = 0;
    /// Deletes the characters of `range`. Returns an AccessCode; unverified like insertText.
    virtual AccessCode deleteText(TextRange range) = 0;

    // The same writes for a caller that knows the element's text as it stands (`current`, read
    // just before, with the caller's own writes since applied): the back end maps offsets on it
    // instead of reading the text again. Just as unverified as the plain calls.
    virtual AccessCode insertTextGiven(const std::string& current, long position,
                                       std::string_view text) {
        static_cast<void>(current);
        return insertText(position, text);
    }
    virtual AccessCode deleteTextGiven(const std::string& current, TextRange range) {
        static_cast<void>(current);
        return deleteText(range);
    }
    virtual AccessCode setSelectedRangeGiven(const std::string& current, TextRange range) {
        static_cast<void>(current);
        return setSelectedRange(range);
    }

    /// One range of `current` (the text read just before) replaced: `inserted` is `current` with
    /// `text` inserted after the range, `intended` with the range then deleted.
    struct Rewrite {
        const std::string& current;
        const std::string& inserted;
        const std::string& intended;
        TextRange range;
        std::string_view text;
        /// Selected in `intended` afterwards, when given.
        std::optional<TextRange> selectAfter;
        /// The application took writes before: the calls may go together, the delete even
        /// though the insert may turn out refused.
        bool together = false;
    };
    struct RewriteAnswers {
        AccessCode insert = AccessCode::success;
        AccessCode remove = AccessCode::success;
        /// Nothing when the selection was not set (not asked, or left to the caller).
        std::optional<AccessCode> select;
        /// The whole text read back after the calls.
        AccessResult<std::string> after;
    };
    /// Inserts the new text after the range, deletes the range and reads the text back, as
    /// unverified as the single calls. Here one call after the other, without deleting after a
    /// refused insert and leaving the selection to the caller; given `together`, a back end may
    /// send them all at once and set the selection before reading back.
    virtual RewriteAnswers rewrite(const Rewrite& rewrite) {
        RewriteAnswers answers;
        answers.insert = insertTextGiven(
            rewrite.current, rewrite.range.location + rewrite.range.length, rewrite.text);
        if (answers.insert == AccessCode::success && rewrite.range.length > 0) {
            answers.remove = deleteTextGiven(rewrite.inserted, rewrite.range);
        }
        answers.after = value();
        return answers;
    }
};

/// What the focus lookup found: the application, then the element inside it.
struct FocusLookup {
    AccessCode applicationCode = AccessCode::noValue;
    std::string applicationName;  ///< empty when unknown
    std::string toolkitName;      ///< for log lines; empty when unknown
    AccessCode elementCode = AccessCode::noValue;
    std::shared_ptr<TextElement> element;  ///< set exactly when elementCode is success
};

/// Reading and writing other applications' text through the desktop's accessibility interface.
/// Main thread only.
class AccessibilityText {
public:
    virtual ~AccessibilityText() = default;

    /// Whether the accessibility interface is reachable and switched on for this session.
    virtual bool isTrusted() const = 0;
    /// Switches the accessibility interface on for the session; returns whether it is on now.
    /// Applications started before may need a restart to take part.
    virtual bool requestTrust() = 0;
    /// The address of the desktop's accessibility settings page, opened when trust is missing.
    virtual std::string settingsAddress() const = 0;

    /// The element that has the keyboard focus now, looked up afresh.
    virtual FocusLookup focusedElement() = 0;
};

}  // namespace korrelang::platform
