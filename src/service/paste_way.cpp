#include "paste_way.h"

#include "engine/grapheme_cursor.h"
#include "verified_text_write.h"
#include "way_terms.h"

namespace korrelang::service {

namespace {

using namespace wayterms;
using platform::AccessCode;

constexpr int kPollMilliseconds = 5;
constexpr int kSelectionPolls = 40;  // 200 ms for the application to follow the keys
constexpr int kPastePolls = 400;     // 2 s: a browser on a loaded machine pastes late
// Many applications (Qt, Firefox) wait for the clipboard without answering accessibility calls,
// while this program answers their clipboard request only when its main thread is free: a read
// right after the paste key stalls both until the call times out, and the application is then
// taken for hung. Leave the main thread free until the paste has fetched the clipboard.
constexpr int kFetchPolls = 100;  // 500 ms
constexpr int kAfterFetchMilliseconds = 5;

}  // namespace

bool PasteWay::selectionBecomes(platform::TextElement& element, platform::TextRange range) {
    for (int i = 0; i < kSelectionPolls; ++i) {
        const auto now = m_main.call([&] { return element.selectedRange(); });
        if (now.succeeded() && *now.value == range) {
            return true;
        }
        m_clipboard.wait(kPollMilliseconds);
    }
    return false;
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
    if (caretAtEnd && range.length <= kMaxKeyedSelection) {
        for (long i = 0; i < range.length; ++i) {
            m_clipboard.press(KEY_LEFT, Modifier::Shift);
        }
        if (selectionBecomes(element, range)) {
            return true;
        }
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
    for (int i = 0; i < kPastePolls; ++i) {
        const auto now = m_main.call([&] { return element.value(); });
        if (now.succeeded()) {
            last = *now.value;
            if (*last == text) {
                break;
            }
        }
        m_clipboard.wait(kPollMilliseconds);
    }
    return last;
}

bool PasteWay::pasteOver(platform::TextElement& element, platform::TextRange range,
                         bool isSelection, const std::string& text, const std::string& intended,
                         std::optional<std::string>& readBack) {
    readBack.reset();
    const auto selecting = std::chrono::steady_clock::now();
    if (!select(element, range, isSelection)) {
        say("⚠️ Could not select the text to paste over");
        return false;
    }
    say("📊 Selected in " +
        std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::steady_clock::now() - selecting)
                           .count()) +
        " ms");
    if (!m_clipboard.putOnClipboard(text, 0)) {
        say("❌ Clipboard verification failed - text wasn't written correctly");
        return false;
    }
    if (!m_clipboard.pressPaste()) {
        say("⚠️ simulateKeyPress failed for Control+V");
    }
    const auto pasted = std::chrono::steady_clock::now();
    for (int i = 0; i < kFetchPolls && !m_clipboard.textWasFetched(); ++i) {
        m_clipboard.wait(kPollMilliseconds);
    }
    m_clipboard.wait(kAfterFetchMilliseconds);
    readBack = waitForText(element, intended);
    say("📊 Paste read back after " +
        std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::steady_clock::now() - pasted)
                           .count()) +
        " ms");
    return readBack == intended;
}

ConversionWay::Outcome PasteWay::attempt(ConversionPress& press) {
    const auto started = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
        return std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(
                                  std::chrono::steady_clock::now() - started)
                                  .count()) +
               " ms";
    };
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
    say("📋 Pasting over the text read through accessibility (read in " + elapsed() + ")...");
    const auto snapshot = m_clipboard.saveClipboard();
    if (!snapshot) {
        return Outcome::declined;
    }
    say("📊 Clipboard saved after " + elapsed());
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
