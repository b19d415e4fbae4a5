#include "accessibility_way.h"

#include "engine/grapheme_cursor.h"
#include "service_log.h"
#include "verified_text_write.h"

namespace korrelang::service {

using servicelog::say;
using servicelog::sayText;

std::optional<std::string> AccessibilityWay::keyOf(const ConversionPress& press) {
    const auto& application = press.application();
    if (!application || application->id.empty()) {
        return std::nullopt;
    }
    return application->id;
}

bool AccessibilityWay::appliesTo(const ConversionPress& press) const {
    const auto key = keyOf(press);
    if (!key || !m_writesIgnored.contains(*key)) {
        return true;
    }
    say("⏭️ " + press.application()->name +
        " ignored accessibility writes earlier: going straight to pasting");
    return false;
}

void AccessibilityWay::remember(const ConversionPress& press, bool writesTake) {
    const auto key = keyOf(press);
    if (!key) {
        return;
    }
    if (writesTake) {
        m_writesTaken.insert(*key);
        m_writesIgnored.erase(*key);
    } else if (!m_writesTaken.contains(*key) && m_writesIgnored.insert(*key).second) {
        say("📝 " + press.application()->name +
            " answers accessibility writes without taking them: it gets pasting from now on");
    }
}

ConversionWay::Outcome AccessibilityWay::attempt(ConversionPress& press) {
    const auto read = m_accessibility.readTextToConvert();
    if (!read) {
        return Outcome::unavailable;
    }
    if (read->isSelection) {
        sayText("🔄 Attempting to convert: '", read->text, "'");
    }
    const auto replacement = press.replacementFor(read->text);
    if (!replacement) {
        return Outcome::notConverted;
    }
    sayText("✅ Result: '", *replacement, "'");
    say("🔄 Attempting to replace text...");
    platform::TextElement& element = *read->element;
    if (!element.isEditable()) {
        say("⚠️ The field offers no way to write through accessibility");
        return Outcome::notWritten;
    }
    // Toolkits leave the caret where it was: put it after the new text, or keep the new text
    // selected when the user asked for that.
    const long length = static_cast<long>(engine::GraphemeCursor::count(*replacement));
    const bool keep = read->isSelection && !press.shouldDeselectAfterReplace();
    const platform::TextRange before =
        read->isSelection ? read->range
                          : platform::TextRange{read->range.location + read->range.length, 0};
    const platform::TextRange after = keep ? platform::TextRange{read->range.location, length}
                                           : platform::TextRange{read->range.location + length, 0};
    // Where writes took before, the edits go out together: a refused insert would not stop
    // the delete, but the first write in an application always goes one call at a time.
    const auto key = keyOf(press);
    const bool together = key && m_writesTaken.contains(*key);
    switch (VerifiedTextWrite::replace(element, read->range, read->text, *replacement,
                                       VerifiedTextWrite::Selections{before, after}, together)) {
        case VerifiedTextWrite::Result::damaged:
            return Outcome::damaged;
        case VerifiedTextWrite::Result::ignored:
            remember(press, false);
            [[fallthrough]];
        case VerifiedTextWrite::Result::notWritten:
            say("⚠️ The write through accessibility did not take; the field is as it was");
            return Outcome::notWritten;
        case VerifiedTextWrite::Result::written:
            remember(press, true);
            break;
    }
    return Outcome::written;
}

}  // namespace korrelang::service
