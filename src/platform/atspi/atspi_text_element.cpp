#include "atspi_text_element.h"

#include <algorithm>
#include <cstring>

namespace korrelang::platform::atspi {

namespace {

struct GFreeDeleter {
    void operator()(void* p) const { g_free(p); }
};
using GString = std::unique_ptr<gchar, GFreeDeleter>;

}  // namespace

AtspiTextElement::AtspiTextElement(GObjectRef<AtspiAccessible> object, long pid, OffsetUnit unit,
                                   std::shared_ptr<HungApplications> hung)
    : m_object(std::move(object)), m_pid(pid), m_unit(unit), m_hung(std::move(hung)) {}

int AtspiTextElement::codeOf(const GError* error) {
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

int AtspiTextElement::fail(const GError* error) const {
    const int code = codeOf(error);
    if (code == AccessCode::timedOut) {
        m_hung->markHung(m_pid);
    }
    return code;
}

std::string AtspiTextElement::role() const {
    HungApplications::Clock::time_point started;
    if (m_hung->isHung(m_pid)) {
        return {};
    }
    ErrorSlot error;
    started = HungApplications::Clock::now();
    GString name(atspi_accessible_get_role_name(m_object.get(), error.out()));
    if (m_hung->timedOut(m_pid, started)) {
        return {};
    }
    if (error) {
        fail(error.get());
        return {};
    }
    return name ? std::string(name.get()) : std::string();
}

std::optional<std::vector<std::string>> AtspiTextElement::interfaceNames() const {
    if (m_hung->isHung(m_pid)) {
        return std::nullopt;
    }
    const auto started = HungApplications::Clock::now();
    GArray* names = atspi_accessible_get_interfaces(m_object.get());
    if (m_hung->timedOut(m_pid, started) && names != nullptr) {
        g_array_free(names, TRUE);
        names = nullptr;
    }
    if (names == nullptr) {
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

AccessResult<std::string> AtspiTextElement::readText() const {
    HungApplications::Clock::time_point started;
    if (m_hung->isHung(m_pid)) {
        return AccessResult<std::string>::error(AccessCode::timedOut);
    }
    const auto iface =
        GObjectRef<AtspiText>::adopt(atspi_accessible_get_text_iface(m_object.get()));
    if (!iface) {
        return AccessResult<std::string>::error(AccessCode::unsupported);
    }
    AtspiText* text = iface.get();
    ErrorSlot error;
    started = HungApplications::Clock::now();
    const gint count = atspi_text_get_character_count(text, error.out());
    if (m_hung->timedOut(m_pid, started)) {
        return AccessResult<std::string>::error(AccessCode::timedOut);
    }
    if (error) {
        return AccessResult<std::string>::error(fail(error.get()));
    }
    started = HungApplications::Clock::now();
    GString content(atspi_text_get_text(text, 0, count, error.out()));
    if (m_hung->timedOut(m_pid, started)) {
        return AccessResult<std::string>::error(AccessCode::timedOut);
    }
    if (error) {
        return AccessResult<std::string>::error(fail(error.get()));
    }
    return AccessResult<std::string>::ok(content ? std::string(content.get()) : std::string());
}

AccessResult<AtspiTextElement::Selection> AtspiTextElement::readSelection() const {
    HungApplications::Clock::time_point started;
    if (m_hung->isHung(m_pid)) {
        return AccessResult<Selection>::error(AccessCode::timedOut);
    }
    AtspiText* text = ATSPI_TEXT(m_object.get());
    ErrorSlot error;
    started = HungApplications::Clock::now();
    const gint selections = atspi_text_get_n_selections(text, error.out());
    if (m_hung->timedOut(m_pid, started)) {
        return AccessResult<Selection>::error(AccessCode::timedOut);
    }
    if (error) {
        return AccessResult<Selection>::error(fail(error.get()));
    }
    if (selections > 0) {
        started = HungApplications::Clock::now();
        std::unique_ptr<AtspiRange, GFreeDeleter> range(
            atspi_text_get_selection(text, 0, error.out()));
        if (m_hung->timedOut(m_pid, started)) {
            return AccessResult<Selection>::error(AccessCode::timedOut);
        }
        if (error || !range) {
            return AccessResult<Selection>::error(fail(error.get()));
        }
        const long start = std::min(range->start_offset, range->end_offset);
        const long end = std::max(range->start_offset, range->end_offset);
        if (end > start) {
            return AccessResult<Selection>::ok({start, end, true});
        }
    }
    started = HungApplications::Clock::now();
    const gint caret = atspi_text_get_caret_offset(text, error.out());
    if (m_hung->timedOut(m_pid, started)) {
        return AccessResult<Selection>::error(AccessCode::timedOut);
    }
    if (error) {
        return AccessResult<Selection>::error(fail(error.get()));
    }
    return AccessResult<Selection>::ok({caret, caret, false});
}

AccessResult<std::string> AtspiTextElement::value() const {
    return readText();
}

AccessResult<TextRange> AtspiTextElement::selectedRange() const {
    const auto content = readText();
    if (!content.succeeded()) {
        return AccessResult<TextRange>::error(content.code);
    }
    const auto selection = readSelection();
    if (!selection.succeeded()) {
        return AccessResult<TextRange>::error(selection.code);
    }
    const TextOffsets offsets(*content.value, m_unit);
    const long start = offsets.characterAtOrBefore(selection.value->start);
    const long end = offsets.characterAtOrAfter(selection.value->end);
    return AccessResult<TextRange>::ok({start, end - start});
}

AccessResult<std::string> AtspiTextElement::selectedText() const {
    const auto content = readText();
    if (!content.succeeded()) {
        return content;
    }
    const auto selection = readSelection();
    if (!selection.succeeded()) {
        return AccessResult<std::string>::error(selection.code);
    }
    if (!selection.value->isSelection) {
        return AccessResult<std::string>::ok({});
    }
    const TextOffsets offsets(*content.value, m_unit);
    return AccessResult<std::string>::ok(
        offsets.slice(offsets.characterAtOrBefore(selection.value->start),
                      offsets.characterAtOrAfter(selection.value->end)));
}

int AtspiTextElement::setSelectedRange(TextRange range) {
    HungApplications::Clock::time_point started;
    if (range.location < 0 || range.length < 0) {
        return AccessCode::outOfRange;
    }
    const auto content = readText();
    if (!content.succeeded()) {
        return content.code;
    }
    const TextOffsets offsets(*content.value, m_unit);
    if (range.location > offsets.characterCount()) {
        return AccessCode::outOfRange;
    }
    const long start = offsets.toToolkit(range.location);
    const long end = offsets.toToolkit(range.location + range.length);
    AtspiText* text = ATSPI_TEXT(m_object.get());
    ErrorSlot error;
    started = HungApplications::Clock::now();
    const gint selections = atspi_text_get_n_selections(text, error.out());
    if (m_hung->timedOut(m_pid, started)) {
        return AccessCode::timedOut;
    }
    if (error) {
        return fail(error.get());
    }
    gboolean done = FALSE;
    if (end == start) {
        if (selections > 0) {
            started = HungApplications::Clock::now();
            atspi_text_remove_selection(text, 0, error.out());
            if (m_hung->timedOut(m_pid, started)) {
                return AccessCode::timedOut;
            }
            if (error) {
                return fail(error.get());
            }
        }
        started = HungApplications::Clock::now();
        done = atspi_text_set_caret_offset(text, static_cast<gint>(start), error.out());
        if (m_hung->timedOut(m_pid, started)) {
            return AccessCode::timedOut;
        }
    } else if (selections > 0) {
        started = HungApplications::Clock::now();
        done = atspi_text_set_selection(text, 0, static_cast<gint>(start), static_cast<gint>(end),
                                        error.out());
        if (m_hung->timedOut(m_pid, started)) {
            return AccessCode::timedOut;
        }
    } else {
        started = HungApplications::Clock::now();
        done = atspi_text_add_selection(text, static_cast<gint>(start), static_cast<gint>(end),
                                        error.out());
        if (m_hung->timedOut(m_pid, started)) {
            return AccessCode::timedOut;
        }
    }
    if (error) {
        return fail(error.get());
    }
    return done ? AccessCode::success : AccessCode::failure;
}

int AtspiTextElement::setSelectedText(std::string_view newText) {
    HungApplications::Clock::time_point started;
    if (m_hung->isHung(m_pid)) {
        return AccessCode::timedOut;
    }
    started = HungApplications::Clock::now();
    const auto iface = GObjectRef<AtspiEditableText>::adopt(
        atspi_accessible_get_editable_text_iface(m_object.get()));
    if (m_hung->timedOut(m_pid, started)) {
        return AccessCode::timedOut;
    }
    if (!iface) {
        return AccessCode::unsupported;
    }
    const auto selection = readSelection();
    if (!selection.succeeded()) {
        return selection.code;
    }
    const long start = selection.value->start;
    const long end = selection.value->end;
    AtspiEditableText* editable = iface.get();
    ErrorSlot error;
    const std::string owned(newText);
    if (!owned.empty()) {
        // GTK counts the length in bytes and takes -1 for "all"; Qt counts UTF-16 units and
        // inserts nothing for -1.
        const gint length = m_unit == OffsetUnit::utf16
                                ? static_cast<gint>(TextOffsets::lengthIn(owned, m_unit))
                                : -1;
        started = HungApplications::Clock::now();
        const gboolean inserted = atspi_editable_text_insert_text(
            editable, static_cast<gint>(end), owned.c_str(), length, error.out());
        if (m_hung->timedOut(m_pid, started)) {
            return AccessCode::timedOut;
        }
        if (error) {
            return fail(error.get());
        }
        if (!inserted) {
            return AccessCode::failure;
        }
    }
    if (end > start) {
        started = HungApplications::Clock::now();
        const gboolean deleted = atspi_editable_text_delete_text(
            editable, static_cast<gint>(start), static_cast<gint>(end), error.out());
        if (m_hung->timedOut(m_pid, started)) {
            return AccessCode::timedOut;
        }
        if (error) {
            return fail(error.get());
        }
        if (!deleted) {
            return AccessCode::failure;
        }
    }
    // The toolkit leaves the caret where it was: put it after the new text.
    const long caret = start + TextOffsets::lengthIn(owned, m_unit);
    started = HungApplications::Clock::now();
    atspi_text_set_caret_offset(ATSPI_TEXT(m_object.get()), static_cast<gint>(caret), error.out());
    if (m_hung->timedOut(m_pid, started)) {
        return AccessCode::timedOut;
    }
    if (error) {
        return fail(error.get());
    }
    return AccessCode::success;
}

}  // namespace korrelang::platform::atspi
