#include "paste_way.h"

#include "engine/grapheme_cursor.h"
#include "poll_until.h"
#include "stopwatch.h"
#include "verified_text_write.h"
#include "way_terms.h"

namespace korrelang::service {

namespace {

using namespace wayterms;
using platform::AccessCode;

constexpr std::chrono::milliseconds kPollInterval{5};
// For the application to follow the selecting keys.
constexpr std::chrono::milliseconds kSelectionTime{200};
// Bounds the read-back, paid only where the paste never reads back as intended: a cold browser
// on a loaded machine took over two seconds to show its first paste.
constexpr std::chrono::milliseconds kPasteTime{4000};
// Many applications (Qt, Firefox) wait for the clipboard without answering accessibility calls,
// while this program answers their clipboard request only when its main thread is free: a read
// right after the paste key stalls both until the call times out, and the application is then
// taken for hung. Leave the main thread free until the paste has fetched the clipboard.
constexpr std::chrono::milliseconds kFetchTime{500};
constexpr int kAfterFetchMilliseconds = 5;
// Rounds of Shift+Left or Shift+Right that make up for where Shift+Home stopped.
constexpr int kKeyedCorrections = 3;

}  // namespace

bool PasteWay::appliesTo(const ConversionPress&) const {
    if (m_clipboard.canPressKeys()) {
        return true;
    }
    say("⏭️ This desktop takes no synthetic keys now: not pasting");
    return false;
}

std::optional<platform::TextRange> PasteWay::awaitSelection(
    platform::TextElement& element, const std::function<bool(platform::TextRange)>& wanted) {
    std::optional<platform::TextRange> last;
    pollUntil(m_clipboard.clock(), kSelectionTime, kPollInterval, [&] {
        const auto now = m_main.call([&] { return element.selectedRange(); });
        if (now.succeeded()) {
            last = *now.value;
        }
        return last && wanted(*last);
    });
    return last;
}

bool PasteWay::selectionBecomes(platform::TextElement& element, platform::TextRange range) {
    return awaitSelection(element, [&](platform::TextRange now) { return now == range; }) == range;
}

bool PasteWay::selectWithKeys(platform::TextElement& element, platform::TextRange range) {
    // One Shift+Home selects the line before the caret where one Shift+Left per character has
    // a busy application work through every key. Home may stop short of the range's start (a
    // wrapped line, a Home that stops at the indentation) or go past it (a range inside a line):
    // Shift+Left and Shift+Right move the selection's free end the rest of the way.
    const long end = range.location + range.length;
    const platform::TextRange caret{end, 0};
    m_clipboard.press(KEY_HOME, Modifier::Shift);
    auto now = awaitSelection(element, [&](platform::TextRange r) { return r != caret; });
    for (int round = 0; now && *now != range && round < kKeyedCorrections; ++round) {
        if (now->location + now->length != end) {
            return false;  // the selection does not end at the caret: keys cannot mend that
        }
        const long missing = now->location - range.location;
        if (missing > kMaxKeyedSelection || -missing > kMaxKeyedSelection) {
            return false;
        }
        m_clipboard.press(missing > 0 ? KEY_LEFT : KEY_RIGHT, Modifier::Shift,
                          missing > 0 ? missing : -missing);
        const platform::TextRange before = *now;
        now = awaitSelection(element, [&](platform::TextRange r) { return r == range; });
        if (now == before) {
            break;  // the keys changed nothing
        }
    }
    return now == range;
}

bool PasteWay::select(platform::TextElement& element, platform::TextRange range, bool isSelection) {
    if (isSelection) {
        const auto now = m_main.call([&] { return element.selectedRange(); });
        if (now.succeeded() && *now.value == range) {
            return true;
        }
        // An earlier way's undone write may have dropped the selection: select it again.
    }
    if (range.length == 0) {
        return false;
    }
    // Keys first: they work where the interface's selection calls hang or clear the selection.
    // They select from the caret, which must sit at the range's end (it does for the line
    // before the caret).
    const platform::TextRange end{range.location + range.length, 0};
    const auto caret = m_main.call([&] { return element.selectedRange(); });
    bool caretAtEnd = caret.succeeded() && *caret.value == end;
    if (!caretAtEnd) {
        caretAtEnd =
            m_main.call([&] { return element.setSelectedRange(end); }) == AccessCode::success &&
            selectionBecomes(element, end);
    }
    if (caretAtEnd && selectWithKeys(element, range)) {
        return true;
    }
    const AccessCode code = m_main.call([&] { return element.setSelectedRange(range); });
    if (code == AccessCode::success && selectionBecomes(element, range)) {
        return true;
    }
    // Leave the caret where the user had it.
    m_main.call([&] { element.setSelectedRange(end); });
    return false;
}

std::optional<std::string> PasteWay::waitForText(platform::TextElement& element,
                                                 const std::string& text) {
    std::optional<std::string> last;
    pollUntil(m_clipboard.clock(), kPasteTime, kPollInterval, [&] {
        const auto now = m_main.call([&] { return element.value(); });
        if (now.succeeded()) {
            last = *now.value;
        }
        return last == text;
    });
    return last;
}

bool PasteWay::pasteOver(platform::TextElement& element, platform::TextRange range,
                         bool isSelection, const std::string& text, const std::string& intended,
                         std::optional<std::string>& readBack) {
    readBack.reset();
    const Stopwatch selecting;
    if (!select(element, range, isSelection)) {
        say("⚠️ Could not select the text to paste over");
        return false;
    }
    say("📊 Selected in " + selecting.elapsed());
    if (!m_clipboard.putOnClipboard(text, 0)) {
        say("❌ Clipboard verification failed - text wasn't written correctly");
        return false;
    }
    if (!m_clipboard.pressPaste()) {
        say("⚠️ simulateKeyPress failed for Control+V");
    }
    const Stopwatch pasted;
    pollUntil(m_clipboard.clock(), kFetchTime, kPollInterval,
              [this] { return m_clipboard.textWasFetched(); });
    m_clipboard.wait(kAfterFetchMilliseconds);
    readBack = waitForText(element, intended);
    say("📊 Paste read back after " + pasted.elapsed());
    return readBack == intended;
}

ConversionWay::Outcome PasteWay::attempt(ConversionPress& press) {
    const Stopwatch started;
    const auto read = m_main.call([this] { return m_accessibility.readTextToConvert(); });
    if (!read) {
        return Outcome::unavailable;
    }
    const auto replacement = press.replacementFor(read->text);
    if (!replacement) {
        return Outcome::notConverted;
    }
    platform::TextElement& element = *read->element;
    const auto before = m_main.call([&] { return element.value(); });
    if (!before.succeeded()) {
        return Outcome::notWritten;
    }
    const std::string intended =
        VerifiedTextWrite::replaced(*before.value, read->range, *replacement);
    say("📋 Pasting over the text read through accessibility (read in " + started.elapsed() +
        ")...");
    const auto snapshot = m_clipboard.saveClipboard();
    if (!snapshot) {
        return Outcome::declined;
    }
    say("📊 Clipboard saved after " + started.elapsed());
    const platform::ClipboardSnapshot& saved = *snapshot;
    std::optional<std::string> readBack;
    std::string onClipboard = *replacement;
    const bool written =
        pasteOver(element, read->range, read->isSelection, *replacement, intended, readBack);
    Outcome outcome = Outcome::written;
    if (written) {
        say("✅ The pasted text reads back as intended");
        // The paste leaves the caret after the new text; keep it selected when asked to.
        if (read->isSelection && !press.shouldDeselectAfterReplace()) {
            const long length = static_cast<long>(engine::GraphemeCursor::count(*replacement));
            m_main.call([&] { element.setSelectedRange({read->range.location, length}); });
        }
    } else if (!readBack || *readBack == *before.value) {
        say("⚠️ The paste did not take; the field is as it was");
        outcome = Outcome::notWritten;
    } else {
        // Something else arrived: paste the original back over what differs.
        say("⚠️ The field does not read as intended after the paste; putting the original "
            "back");
        std::optional<std::string> again;
        // Through the interface where it writes, else by pasting the original part back.
        bool restored = m_main.call([&] {
            return element.isEditable() &&
                   VerifiedTextWrite::restore(element, *before.value, *readBack);
        });
        if (!restored) {
            // The application's own undo takes back exactly its paste, wherever that landed.
            m_clipboard.press(KEY_Z, Modifier::Control);
            restored = waitForText(element, *before.value) == *before.value;
            if (restored) {
                say("↩️ The application's undo put the original text back");
            }
        }
        if (!restored) {
            const auto now = m_main.call([&] { return element.value(); });
            const auto rest =
                VerifiedTextWrite::difference(*before.value, now.value.value_or(*readBack));
            onClipboard = rest.originalPart;
            restored =
                pasteOver(element, rest.inCurrent, false, rest.originalPart, *before.value, again);
        }
        if (restored) {
            outcome = Outcome::notWritten;
        } else {
            say("❌ Could not put the original text back");
            outcome = Outcome::damaged;
        }
    }
    // After the read-back: the application has fetched the clipboard by now.
    if (m_clipboard.restoreUnlessReplaced(saved, onClipboard)) {
        say("✅ Restored original clipboard");
    }
    return outcome;
}

}  // namespace korrelang::service
