#include "terminal_way.h"

#include <algorithm>

#include "accessibility_service.h"
#include "engine/grapheme_cursor.h"
#include "poll_until.h"
#include "stopwatch.h"
#include "way_terms.h"

namespace korrelang::service {

namespace {

using namespace wayterms;

// Clipboard formats larger than this in total are not saved; the paste then goes through the
// mouse selection alone and the clipboard is left alone.
constexpr std::size_t kSnapshotLimit = 64 * 1024 * 1024;
// How long the terminal may take to show an erase or a paste (the shell echoes it).
constexpr std::chrono::milliseconds kEchoLimit{600};
constexpr std::chrono::milliseconds kPollInterval{5};
// A line that has not changed for this long is taken as the terminal's answer.
constexpr std::chrono::milliseconds kSettleTime{100};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// A line feed, an escape or any other control character pasted into a shell can run a command.
// Terminals differ in whether blanks at the end of a row belong to its accessible text.
std::string withoutTrailingBlanks(std::string text) {
    while (!text.empty() && isBlank(text.back())) {
        text.pop_back();
    }
    return text;
}

bool hasControlCharacters(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

}  // namespace

TerminalWay::TerminalWay(const platform::Platform& platform, const MainThread& main, Clock& clock)
    : m_platform(platform), m_main(main), m_clock(clock) {}

std::string TerminalWay::textToReplace(const std::string& line,
                                       const std::optional<std::string>& selection) {
    if (selection && !selection->empty() && !hasControlCharacters(*selection) &&
        line.size() >= selection->size() &&
        line.compare(line.size() - selection->size(), selection->size(), *selection) == 0) {
        return *selection;
    }
    std::size_t start = line.size();
    while (start > 0 && !isBlank(line[start - 1])) {
        --start;
    }
    return line.substr(start);
}

std::optional<std::string> TerminalWay::readLine() const {
    return m_main.call([this]() -> std::optional<std::string> {
        const auto lookup = m_platform.accessibility.focusedElement();
        if (!lookup.element) {
            return std::nullopt;
        }
        const auto caret = lookup.element->selectedRange();
        const auto value = lookup.element->value();
        if (!caret.succeeded() || !value.succeeded()) {
            return std::nullopt;
        }
        const long cursor = caret.value->location + caret.value->length;
        return AccessibilityService::lineBeforeCursor(*value.value, cursor).text;
    });
}

bool TerminalWay::lineIs(const std::string& expected) const {
    const auto line = readLine();
    return line && withoutTrailingBlanks(*line) == withoutTrailingBlanks(expected);
}

bool TerminalWay::lineBecomes(const std::string& expected) {
    return pollUntil(m_clock, kEchoLimit, kPollInterval, [&] { return lineIs(expected); });
}

bool TerminalWay::sendKey(platform::KeyCode key, platform::Modifiers flags) {
    return m_main.call([&] { return m_platform.syntheticKeys.simulateKeyPress(key, flags); });
}

void TerminalWay::restore(const platform::ClipboardSnapshot& saved, bool clipboardToo) {
    m_main.call([&] {
        if (clipboardToo) {
            m_platform.clipboard.restore(saved);
        } else {
            m_platform.clipboard.restorePrimary(saved);
        }
    });
}

std::optional<std::string> TerminalWay::settledLine() const {
    auto line = readLine();
    const auto deadline = m_clock.now() + kEchoLimit;
    while (m_clock.now() < deadline) {
        m_clock.sleep(kSettleTime);
        auto again = readLine();
        if (again == line) {
            break;
        }
        line = std::move(again);
    }
    return line;
}

bool TerminalWay::paste(const std::string& expectedLine, bool useClipboard) {
    const std::string before = readLine().value_or("");
    if (useClipboard) {
        sendKey(KEY_V, Modifier::Control | Modifier::Shift);
        if (lineBecomes(expectedLine)) {
            return true;
        }
        if (!lineIs(before)) {
            return false;
        }
        say("📋 Control+Shift+V pasted nothing; trying Shift+Insert");
    }
    sendKey(KEY_INSERT, Modifier::Shift);
    return lineBecomes(expectedLine);
}

bool TerminalWay::putBack(const std::string& original, const std::string& now, bool useClipboard) {
    const std::string kept = withoutTrailingBlanks(now);
    if (withoutTrailingBlanks(original) == kept) {
        return true;
    }
    if (original.compare(0, kept.size(), kept) != 0) {
        return false;
    }
    // The blanks the terminal left out of its text are still there: skip them too.
    std::size_t from = kept.size();
    while (from < now.size() && from < original.size() && original[from] == now[from]) {
        ++from;
    }
    const std::string erased = original.substr(from);
    const bool ready = m_main.call([&] {
        m_platform.clipboard.setPrimaryText(erased);
        if (useClipboard) {
            m_platform.clipboard.setText(erased);
        }
        return m_platform.clipboard.primaryText() == erased;
    });
    return ready && paste(original, useClipboard);
}

ConversionWay::Outcome TerminalWay::attempt(ConversionPress& press) {
    const auto& application = press.application();
    if (!application || !application->terminal) {
        return Outcome::unavailable;
    }
    const Stopwatch started;
    say("🖥️ " + application->name +
        " is a terminal: only BackSpace and its paste key go to it");
    const auto line = readLine();
    if (!line) {
        say("🖥️ The terminal offers no accessible text, so nothing tells whether a selection "
            "ends at the cursor; declining without sending a key");
        return Outcome::declined;
    }
    const auto selection = m_main.call([this] { return m_platform.clipboard.primaryText(); });
    const std::string target = textToReplace(*line, selection);
    if (target.empty()) {
        say("🖥️ No word ends at the terminal's cursor; declining");
        return Outcome::declined;
    }
    sayText("🖥️ Text before the terminal's cursor: '", target, "'");

    const auto converted = press.replacementFor(target);
    if (!converted) {
        return Outcome::notConverted;
    }
    if (converted->empty() || hasControlCharacters(*converted)) {
        say("🖥️ The conversion is empty or holds control characters, which a shell could run; "
            "declining");
        return Outcome::declined;
    }
    const std::string& replacement = *converted;
    const std::string prefix = line->substr(0, line->size() - target.size());

    // The snapshot may take its time: it runs here, on the worker, with the main thread free.
    const platform::ClipboardSnapshot saved = m_platform.clipboard.snapshot(kSnapshotLimit);
    say("🖥️ Read and saved the selections after " + started.elapsed());
    const bool useClipboard = !saved.truncated;
    if (!useClipboard) {
        say("⚠️ The clipboard could not be saved whole; pasting through the mouse selection "
            "only");
    }
    const bool ready = m_main.call([&] {
        auto& clipboard = m_platform.clipboard;
        clipboard.setPrimaryText(replacement);
        if (useClipboard) {
            clipboard.setText(replacement);
        }
        return clipboard.primaryText() == replacement &&
               (!useClipboard || clipboard.text() == replacement);
    });
    if (!ready) {
        say("❌ The converted text could not be put on the clipboard; declining");
        restore(saved, useClipboard);
        return Outcome::declined;
    }

    const long characters = static_cast<long>(engine::GraphemeCursor::count(target));
    for (long i = 0; i < characters; ++i) {
        sendKey(KEY_BACKSPACE, {});
    }
    const bool erased = lineBecomes(prefix);
    say("🖥️ Erased after " + started.elapsed());
    if (!erased) {
        // The shell stops erasing at its prompt: what was erased goes back, and nothing else.
        const auto now = settledLine();
        const Outcome outcome =
            now && putBack(*line, *now, useClipboard) ? Outcome::declined : Outcome::damaged;
        restore(saved, useClipboard);
        say(outcome == Outcome::declined
                ? "🖥️ The terminal did not erase the whole text (a prompt?); put back, "
                  "declining"
                : "❌ The terminal did not erase the text as expected and it could not be put back");
        return outcome;
    }

    const bool pasted = paste(prefix + replacement, useClipboard);
    restore(saved, useClipboard);
    if (!pasted) {
        sayText("❌ The terminal did not take the paste; its line lost '", target, "'");
        return Outcome::damaged;
    }
    say("✅ Replaced in the terminal in " + started.elapsed() +
        "; clipboard and mouse selection restored");
    return Outcome::written;
}

}  // namespace korrelang::service
