#include "atspi_text_element.h"

#include <algorithm>
#include <cstring>

#include "engine/grapheme_cursor.h"

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
    const char* message = error->message != nullptr ? error->message : "";
    // libatspi passes D-Bus errors on as text; a hung peer shows up as one of these.
    for (const char* sign :
         {"Timeout", "timeout", "NoReply", "did not receive a reply", "timed out"}) {
        if (std::strstr(message, sign) != nullptr) {
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
    // Always an explicit length, never -1 (LibreOffice aborts on it). The toolkits behind ATK
    // (GTK, LibreOffice, browsers) and GTK 4 count it in UTF-8 bytes; Qt resizes the text to that
    // many UTF-16 units, padding a longer count with NULs. Whatever a toolkit makes of it, the
    // caller reads the text back.
    const auto length = static_cast<gint>(m_insertLength == InsertLength::utf16Units
                                              ? TextOffsets::lengthIn(owned, OffsetUnit::utf16)
                                              : static_cast<long>(owned.size()));
    ErrorSlot error;
    const auto started = Clock::now();
    const gboolean inserted =
        atspi_editable_text_insert_text(iface.get(), static_cast<gint>(offsets.toToolkit(position)),
                                        owned.c_str(), length, error.out());
    return finish(started, error.get(), inserted != FALSE);
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

}  // namespace korrelang::platform::atspi
