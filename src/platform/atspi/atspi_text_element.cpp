#include "atspi_text_element.h"

#include <algorithm>
#include <string_view>

#include "engine/grapheme_cursor.h"
#include "pipelined_calls.h"
#include "platform/log.h"

namespace korrelang::platform::atspi {

namespace {

using GString = std::unique_ptr<gchar, GFreeDeleter>;
using Clock = HungApplications::Clock;

}  // namespace

AtspiTextElement::AtspiTextElement(GObjectRef<AtspiAccessible> object, long pid,
                                   InsertLength insertLength,
                                   std::shared_ptr<HungApplications> hung)
    : m_object(std::move(object)),
      m_pid(pid),
      m_insertLength(insertLength),
      m_hung(std::move(hung)) {}

AccessCode AtspiTextElement::codeOf(const GError* error) {
    if (error == nullptr) {
        return AccessCode::failure;
    }
    return codeOf(error->message != nullptr ? error->message : "");
}

AccessCode AtspiTextElement::codeOf(std::string_view message) {
    // libatspi passes D-Bus errors on as text; a hung peer shows up as one of these.
    for (const char* sign :
         {"Timeout", "timeout", "NoReply", "did not receive a reply", "timed out"}) {
        if (message.find(sign) != std::string_view::npos) {
            return AccessCode::timedOut;
        }
    }
    return AccessCode::failure;
}

OffsetUnit AtspiTextElement::unitOf(std::string_view text, long count) {
    if (TextOffsets::lengthIn(text, OffsetUnit::codePoint) == count) {
        return OffsetUnit::codePoint;
    }
    if (TextOffsets::lengthIn(text, OffsetUnit::utf16) == count) {
        return OffsetUnit::utf16;
    }
    return OffsetUnit::codePoint;
}

AccessCode AtspiTextElement::finish(Clock::time_point started, const GError* error,
                                    bool answered) const {
    if (error != nullptr) {
        const AccessCode code = codeOf(error);
        if (code == AccessCode::timedOut) {
            m_hung->markHung(m_pid);
        }
        return code;
    }
    if (m_hung->timedOut(m_pid, started, answered)) {
        return AccessCode::timedOut;
    }
    return answered ? AccessCode::success : AccessCode::failure;
}

std::string AtspiTextElement::role() const {
    if (m_role) {
        return *m_role;
    }
    if (m_hung->isHung(m_pid)) {
        return {};
    }
    ErrorSlot error;
    const auto started = Clock::now();
    GString name(atspi_accessible_get_role_name(m_object.get(), error.out()));
    if (finish(started, error.get(), name != nullptr) != AccessCode::success) {
        return {};
    }
    m_role = std::string(name.get());
    return *m_role;
}

std::optional<std::vector<std::string>> AtspiTextElement::interfaceNames() const {
    if (m_hung->isHung(m_pid)) {
        return std::nullopt;
    }
    const auto started = Clock::now();
    GArray* names = atspi_accessible_get_interfaces(m_object.get());
    if (finish(started, nullptr, names != nullptr) != AccessCode::success) {
        if (names != nullptr) {
            g_array_free(names, TRUE);
        }
        return std::nullopt;
    }
    std::vector<std::string> result;
    for (guint i = 0; i < names->len; ++i) {
        gchar* name = g_array_index(names, gchar*, i);
        result.emplace_back(name != nullptr ? name : "");
        g_free(name);
    }
    g_array_free(names, TRUE);
    return result;
}

bool AtspiTextElement::isEditable() const {
    if (m_hung->isHung(m_pid)) {
        return false;
    }
    const auto iface = GObjectRef<AtspiEditableText>::adopt(
        atspi_accessible_get_editable_text_iface(m_object.get()));
    return static_cast<bool>(iface);
}

AccessResult<AtspiTextElement::Content> AtspiTextElement::readContent() const {
    if (m_hung->isHung(m_pid)) {
        return AccessResult<Content>::error(AccessCode::timedOut);
    }
    const auto iface =
        GObjectRef<AtspiText>::adopt(atspi_accessible_get_text_iface(m_object.get()));
    if (!iface) {
        return AccessResult<Content>::error(AccessCode::unsupported);
    }
    AtspiText* text = iface.get();
    ErrorSlot error;
    auto started = Clock::now();
    const gint count = atspi_text_get_character_count(text, error.out());
    if (const AccessCode code = finish(started, error.get(), count >= 0);
        code != AccessCode::success) {
        return AccessResult<Content>::error(code);
    }
    started = Clock::now();
    GString content(atspi_text_get_text(text, 0, count, error.out()));
    if (const AccessCode code = finish(started, error.get(), content != nullptr);
        code != AccessCode::success) {
        return AccessResult<Content>::error(code);
    }
    Content result{std::string(content.get()), OffsetUnit::codePoint};
    result.unit = unitOf(result.text, count);
    const long points = TextOffsets::lengthIn(result.text, OffsetUnit::codePoint);
    const long units = TextOffsets::lengthIn(result.text, OffsetUnit::utf16);
    // Only a text beyond the BMP tells the units apart, and only a count that matches one of
    // them (not a text that changed between the two calls) tells which.
    if (points != units && (count == points || count == units)) {
        m_unit = count == points ? OffsetUnit::codePoint : OffsetUnit::utf16;
    }
    return AccessResult<Content>::ok(std::move(result));
}

std::optional<TextOffsets> AtspiTextElement::offsetsOf(const std::string& current) const {
    if (TextOffsets::lengthIn(current, OffsetUnit::codePoint) ==
        TextOffsets::lengthIn(current, OffsetUnit::utf16)) {
        return TextOffsets(current, OffsetUnit::codePoint);
    }
    if (m_unit) {
        return TextOffsets(current, *m_unit);
    }
    return std::nullopt;
}

AccessResult<AtspiTextElement::Selection> AtspiTextElement::readSelection() const {
    if (m_hung->isHung(m_pid)) {
        return AccessResult<Selection>::error(AccessCode::timedOut);
    }
    AtspiText* text = ATSPI_TEXT(m_object.get());
    ErrorSlot error;
    auto started = Clock::now();
    const gint selections = atspi_text_get_n_selections(text, error.out());
    if (const AccessCode code = finish(started, error.get(), selections >= 0);
        code != AccessCode::success) {
        return AccessResult<Selection>::error(code);
    }
    if (selections > 0) {
        started = Clock::now();
        std::unique_ptr<AtspiRange, GFreeDeleter> range(
            atspi_text_get_selection(text, 0, error.out()));
        if (const AccessCode code = finish(started, error.get(), range != nullptr);
            code != AccessCode::success) {
            return AccessResult<Selection>::error(code);
        }
        const long start = std::min(range->start_offset, range->end_offset);
        const long end = std::max(range->start_offset, range->end_offset);
        if (end > start) {
            return AccessResult<Selection>::ok({start, end, true});
        }
    }
    started = Clock::now();
    const gint caret = atspi_text_get_caret_offset(text, error.out());
    if (const AccessCode code = finish(started, error.get(), caret >= 0);
        code != AccessCode::success) {
        return AccessResult<Selection>::error(code);
    }
    return AccessResult<Selection>::ok({caret, caret, false});
}

AccessResult<std::string> AtspiTextElement::value() const {
    auto content = readContent();
    if (!content.succeeded()) {
        return AccessResult<std::string>::error(content.code);
    }
    return AccessResult<std::string>::ok(std::move(content.value->text));
}

AccessResult<TextRange> AtspiTextElement::selectedRange() const {
    const auto state = textState();
    if (!state.succeeded()) {
        return AccessResult<TextRange>::error(state.code);
    }
    return AccessResult<TextRange>::ok(state.value->selection);
}

AccessResult<TextState> AtspiTextElement::textState() const {
    auto content = readContent();
    if (!content.succeeded()) {
        return AccessResult<TextState>::error(content.code);
    }
    const auto selection = readSelection();
    if (!selection.succeeded()) {
        return AccessResult<TextState>::error(selection.code);
    }
    const TextOffsets offsets(content.value->text, content.value->unit);
    const long start = offsets.characterAtOrBefore(selection.value->start);
    const long end = offsets.characterAtOrAfter(selection.value->end);
    return AccessResult<TextState>::ok({std::move(content.value->text), {start, end - start}});
}

AccessResult<std::string> AtspiTextElement::selectedText() const {
    const auto content = readContent();
    if (!content.succeeded()) {
        return AccessResult<std::string>::error(content.code);
    }
    const auto selection = readSelection();
    if (!selection.succeeded()) {
        return AccessResult<std::string>::error(selection.code);
    }
    if (!selection.value->isSelection) {
        return AccessResult<std::string>::ok({});
    }
    const TextOffsets offsets(content.value->text, content.value->unit);
    return AccessResult<std::string>::ok(
        offsets.slice(offsets.characterAtOrBefore(selection.value->start),
                      offsets.characterAtOrAfter(selection.value->end)));
}

AccessCode AtspiTextElement::setSelectedRange(TextRange range) {
    if (range.location < 0 || range.length < 0) {
        return AccessCode::outOfRange;
    }
    const auto content = readContent();
    if (!content.succeeded()) {
        return content.code;
    }
    return select(TextOffsets(content.value->text, content.value->unit), range);
}

AccessCode AtspiTextElement::setSelectedRangeGiven(const std::string& current, TextRange range) {
    const auto offsets = offsetsOf(current);
    if (!offsets) {
        return setSelectedRange(range);
    }
    if (range.location < 0 || range.length < 0) {
        return AccessCode::outOfRange;
    }
    if (m_hung->isHung(m_pid)) {
        return AccessCode::timedOut;
    }
    return select(*offsets, range);
}

AccessCode AtspiTextElement::select(const TextOffsets& offsets, TextRange range) {
    // A start past the end is refused; an end past it is clamped.
    if (range.location > offsets.characterCount()) {
        return AccessCode::outOfRange;
    }
    const auto start = static_cast<gint>(offsets.toToolkit(range.location));
    const auto end = static_cast<gint>(offsets.toToolkit(range.location + range.length));
    AtspiText* text = ATSPI_TEXT(m_object.get());
    ErrorSlot error;
    auto started = Clock::now();
    const gint selections = atspi_text_get_n_selections(text, error.out());
    if (const AccessCode code = finish(started, error.get(), selections >= 0);
        code != AccessCode::success) {
        return code;
    }
    gboolean done = FALSE;
    if (end == start) {
        if (selections > 0) {
            started = Clock::now();
            const gboolean removed = atspi_text_remove_selection(text, 0, error.out());
            if (const AccessCode code = finish(started, error.get(), removed != FALSE);
                code == AccessCode::timedOut) {
                return code;
            }
        }
        started = Clock::now();
        done = atspi_text_set_caret_offset(text, start, error.out());
    } else if (selections > 0) {
        started = Clock::now();
        done = atspi_text_set_selection(text, 0, start, end, error.out());
    } else {
        started = Clock::now();
        done = atspi_text_add_selection(text, start, end, error.out());
    }
    return finish(started, error.get(), done != FALSE);
}

AccessResult<AtspiTextElement::EditTarget> AtspiTextElement::editTarget(
    const std::string* current) const {
    if (m_hung->isHung(m_pid)) {
        return AccessResult<EditTarget>::error(AccessCode::timedOut);
    }
    auto iface = GObjectRef<AtspiEditableText>::adopt(
        atspi_accessible_get_editable_text_iface(m_object.get()));
    if (!iface) {
        return AccessResult<EditTarget>::error(AccessCode::unsupported);
    }
    if (current != nullptr) {
        if (auto offsets = offsetsOf(*current)) {
            return AccessResult<EditTarget>::ok({std::move(iface), std::move(*offsets)});
        }
    }
    const auto content = readContent();
    if (!content.succeeded()) {
        return AccessResult<EditTarget>::error(content.code);
    }
    return AccessResult<EditTarget>::ok(
        {std::move(iface), TextOffsets(content.value->text, content.value->unit)});
}

AccessCode AtspiTextElement::insertText(long position, std::string_view newText) {
    const auto target = editTarget();
    return target.succeeded() ? insert(*target.value, position, newText) : target.code;
}

AccessCode AtspiTextElement::insertTextGiven(const std::string& current, long position,
                                             std::string_view newText) {
    const auto target = editTarget(&current);
    return target.succeeded() ? insert(*target.value, position, newText) : target.code;
}

AccessCode AtspiTextElement::insert(const EditTarget& target, long position,
                                    std::string_view newText) {
    const auto& [iface, offsets] = target;
    if (position < 0 || position > offsets.characterCount()) {
        return AccessCode::outOfRange;
    }
    const std::string owned(newText);
    const auto length = static_cast<gint>(insertLengthOf(owned));
    ErrorSlot error;
    const auto started = Clock::now();
    const gboolean inserted =
        atspi_editable_text_insert_text(iface.get(), static_cast<gint>(offsets.toToolkit(position)),
                                        owned.c_str(), length, error.out());
    return finish(started, error.get(), inserted != FALSE);
}

long AtspiTextElement::insertLengthOf(std::string_view text) const {
    // Always an explicit length, never -1 (LibreOffice aborts on it). The toolkits behind ATK
    // (GTK, LibreOffice, browsers) and GTK 4 count it in UTF-8 bytes; Qt resizes the text to that
    // many UTF-16 units, padding a longer count with NULs. Whatever a toolkit makes of it, the
    // caller reads the text back.
    return m_insertLength == InsertLength::utf16Units
               ? TextOffsets::lengthIn(text, OffsetUnit::utf16)
               : static_cast<long>(text.size());
}

AccessCode AtspiTextElement::deleteText(TextRange range) {
    const auto target = editTarget();
    return target.succeeded() ? remove(*target.value, range) : target.code;
}

AccessCode AtspiTextElement::deleteTextGiven(const std::string& current, TextRange range) {
    const auto target = editTarget(&current);
    return target.succeeded() ? remove(*target.value, range) : target.code;
}

AccessCode AtspiTextElement::remove(const EditTarget& target, TextRange range) {
    const auto& [iface, offsets] = target;
    if (range.location < 0 || range.length < 0 ||
        range.location + range.length > offsets.characterCount()) {
        return AccessCode::outOfRange;
    }
    ErrorSlot error;
    const auto started = Clock::now();
    const gboolean deleted = atspi_editable_text_delete_text(
        iface.get(), static_cast<gint>(offsets.toToolkit(range.location)),
        static_cast<gint>(offsets.toToolkit(range.location + range.length)), error.out());
    return finish(started, error.get(), deleted != FALSE);
}

AccessCode AtspiTextElement::setSelectedText(std::string_view newText) {
    const auto range = selectedRange();
    if (!range.succeeded()) {
        return range.code;
    }
    const TextRange selection = *range.value;
    // Insert first: in GTK editors deleting first empties the buffer, which is slow.
    if (!newText.empty()) {
        if (const AccessCode code = insertText(selection.location + selection.length, newText);
            code != AccessCode::success) {
            return code;
        }
    }
    if (selection.length > 0) {
        if (const AccessCode code = deleteText(selection); code != AccessCode::success) {
            return code;
        }
    }
    const auto inserted = static_cast<long>(engine::GraphemeCursor::count(newText));
    return setSelectedRange({selection.location + inserted, 0});
}

TextElement::RewriteAnswers AtspiTextElement::rewrite(const Rewrite& rewrite) {
    const auto before = offsetsOf(rewrite.current);
    const auto after = offsetsOf(rewrite.intended);
    const TextRange range = rewrite.range;
    PipelinedCalls calls(m_object.get());
    if (!rewrite.together || !before || !after || !calls.usable() || m_hung->isHung(m_pid) ||
        !isEditable() || range.location < 0 || range.length < 0 ||
        range.location + range.length > before->characterCount()) {
        // Refusals and unknown units are for the single calls to work out and report.
        return TextElement::rewrite(rewrite);
    }
    constexpr const char* kEditable = "org.a11y.atspi.EditableText";
    constexpr const char* kText = "org.a11y.atspi.Text";
    const auto at = [](const TextOffsets& offsets, long character) {
        return static_cast<std::int32_t>(offsets.toToolkit(character));
    };
    const long end = range.location + range.length;
    const std::size_t insert = calls.add(kEditable, "InsertText",
                                         {at(*before, end), std::string(rewrite.text),
                                          static_cast<std::int32_t>(insertLengthOf(rewrite.text))});
    std::optional<std::size_t> remove;
    if (range.length > 0) {
        remove =
            calls.add(kEditable, "DeleteText", {at(*before, range.location), at(*before, end)});
    }
    // The selection goes with the edits: sent after them, it would wait for the redraw they
    // cause. Deleting the selected text leaves no selection behind, so a caret is set, or the
    // new text selected, straight away; removing a selection costs GTK an exchange with the
    // compositor, so that is only done, one call at a time, where one is left over.
    std::optional<TextRange> wanted = rewrite.selectAfter;
    if (wanted && (wanted->location < 0 || wanted->length < 0 ||
                   wanted->location > after->characterCount())) {
        wanted.reset();
    }
    std::optional<std::size_t> select;
    std::optional<std::size_t> selections;
    if (wanted) {
        const std::int32_t from = at(*after, wanted->location);
        if (wanted->length == 0) {
            select = calls.add(kText, "SetCaretOffset", {from});
            selections = calls.add(kText, "GetNSelections", {});
        } else {
            select = calls.add(kText, "AddSelection",
                               {from, at(*after, wanted->location + wanted->length)});
        }
    }
    const std::size_t count = calls.addProperty(kText, "CharacterCount");
    const std::size_t text = calls.add(
        kText, "GetText", {std::int32_t{0}, static_cast<std::int32_t>(after->toolkitLength())});
    if (!calls.run(m_hung->callTimeout())) {
        // Some calls may have gone out: nothing is sent again, the text as it now reads decides.
        logLine("⚠️ Could not send the accessibility calls of a write");
        return {AccessCode::failure, AccessCode::success, std::nullopt, value()};
    }

    const auto codeOfCall = [&](std::size_t call) {
        if (const auto error = calls.error(call)) {
            const AccessCode code = codeOf(*error);
            if (code == AccessCode::timedOut) {
                m_hung->markHung(m_pid);
            }
            return code;
        }
        return calls.boolean(call).value_or(false) ? AccessCode::success : AccessCode::failure;
    };
    RewriteAnswers answers;
    answers.insert = codeOfCall(insert);
    answers.remove = remove ? codeOfCall(*remove) : AccessCode::success;
    if (select) {
        answers.select = codeOfCall(*select);
        const bool leftOver = selections && calls.integer(*selections).value_or(0) > 0;
        if (answers.select == AccessCode::failure || leftOver) {
            answers.select = this->select(*after, *wanted);
        }
    }
    // The count tells whether the text read is the whole text; when it is not (the application
    // made something else of the edits), the text is read again on its own.
    const auto read = calls.string(text);
    answers.after = calls.integer(count) == after->toolkitLength() && read
                        ? AccessResult<std::string>::ok(*read)
                        : value();
    return answers;
}

}  // namespace korrelang::platform::atspi
