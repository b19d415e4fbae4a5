#pragma once

#include <atspi/atspi.h>

#include <memory>
#include <optional>
#include <string>

#include "gobject_ref.h"
#include "hung_applications.h"
#include "platform/accessibility_text.h"
#include "text_offsets.h"

namespace korrelang::platform::atspi {

/// A focused element reached through AT-SPI. Offsets are converted exactly between characters
/// and the element's own units, which are worked out from the element on every read (its
/// character count against its text): GTK counts code points, Qt, LibreOffice and Java UTF-16
/// units. Writes pass explicit lengths; whether they did what was asked is for the caller to
/// read back.
class AtspiTextElement : public TextElement {
public:
    /// What the length passed with an inserted text counts. No answer of the element tells, so
    /// it comes from the toolkit; every write is read back anyway.
    enum class InsertLength { utf8Bytes, utf16Units };

    AtspiTextElement(GObjectRef<AtspiAccessible> object, long pid, InsertLength insertLength,
                     std::shared_ptr<HungApplications> hung);

    /// Qt counts an inserted text's length in UTF-16 units; every other toolkit in bytes.
    static InsertLength insertLengthFor(std::string_view toolkitName) {
        return toolkitName == "Qt" ? InsertLength::utf16Units : InsertLength::utf8Bytes;
    }

    std::string role() const override;
    std::optional<std::vector<std::string>> interfaceNames() const override;
    AccessResult<std::string> selectedText() const override;
    AccessResult<TextRange> selectedRange() const override;
    AccessResult<std::string> value() const override;
    AccessResult<TextState> textState() const override;
    AccessCode setSelectedRange(TextRange range) override;
    AccessCode setSelectedText(std::string_view text) override;
    bool isEditable() const override;
    AccessCode insertText(long position, std::string_view text) override;
    AccessCode deleteText(TextRange range) override;
    AccessCode insertTextGiven(const std::string& current, long position,
                               std::string_view text) override;
    AccessCode deleteTextGiven(const std::string& current, TextRange range) override;
    AccessCode setSelectedRangeGiven(const std::string& current, TextRange range) override;
    /// Sends the edits, the selection and the read-back together when allowed and the offsets of
    /// both texts are known; one call after the other otherwise.
    RewriteAnswers rewrite(const Rewrite& rewrite) override;

    /// Maps a failed call's error to an AccessCode.
    static AccessCode codeOf(const GError* error);
    /// Maps the text of a failed call's error to an AccessCode.
    static AccessCode codeOf(std::string_view message);
    /// The unit in which `count` measures `text`: code points when they agree (as they do for
    /// every text without characters beyond the BMP), else UTF-16 units when those do, else
    /// code points.
    static OffsetUnit unitOf(std::string_view text, long count);

private:
    struct Selection {
        long start = 0;  ///< toolkit units
        long end = 0;
        bool isSelection = false;
    };
    struct Content {
        std::string text;
        OffsetUnit unit = OffsetUnit::codePoint;
    };

    /// The code of a call that ended: its error, a timeout when it gave no answer after nearly
    /// the whole time limit (marking the application hung), else failure or success.
    AccessCode finish(HungApplications::Clock::time_point started, const GError* error,
                      bool answered) const;
    /// What an edit works on: the editable interface and the offsets of the text as it is now.
    struct EditTarget {
        GObjectRef<AtspiEditableText> iface;
        TextOffsets offsets;
    };

    /// The element's text, read now.
    AccessResult<Content> readContent() const;
    /// The offsets of `current` without a round trip, when the element's unit is known for it.
    std::optional<TextOffsets> offsetsOf(const std::string& current) const;
    /// The edit target, or the code that says why there is none (a hung application, a text
    /// that cannot be edited or read); its offsets are those of `current` when given and usable.
    AccessResult<EditTarget> editTarget(const std::string* current = nullptr) const;
    AccessResult<Selection> readSelection() const;
    AccessCode select(const TextOffsets& offsets, TextRange range);
    AccessCode insert(const EditTarget& target, long position, std::string_view text);
    AccessCode remove(const EditTarget& target, TextRange range);
    /// The length passed with an inserted `text`, in the unit the toolkit expects.
    long insertLengthOf(std::string_view text) const;

    GObjectRef<AtspiAccessible> m_object;
    long m_pid;
    InsertLength m_insertLength;
    std::shared_ptr<HungApplications> m_hung;
    /// Answers that do not change while the element lives, learnt on first use: the role (for
    /// log lines), and the offset unit, which only a text beyond the BMP tells.
    mutable std::optional<std::string> m_role;
    mutable std::optional<OffsetUnit> m_unit;
};

}  // namespace korrelang::platform::atspi
