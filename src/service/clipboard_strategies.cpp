#include "clipboard_strategies.h"

#include <algorithm>

#include "engine/grapheme_cursor.h"
#include "poll_until.h"
#include "service_log.h"
#include "way_terms.h"

namespace korrelang::service {

namespace {

using namespace wayterms;
using Outcome = ConversionWay::Outcome;

constexpr platform::Modifiers kControl = Modifier::Control;

}  // namespace

void ClipboardStrategies::wait(int milliseconds) {
    m_clock.sleep(std::chrono::milliseconds(milliseconds));
}

bool ClipboardStrategies::press(platform::KeyCode key, platform::Modifiers flags, long times) {
    return m_main.call([&] {
        bool sent = true;
        for (long i = 0; i < times; ++i) {
            sent = m_platform.syntheticKeys.simulateKeyPress(key, flags) && sent;
        }
        return sent;
    });
}

bool ClipboardStrategies::pressPaste() {
    return m_main.call([this] {
        m_platform.clipboard.forgetFetches();
        return m_platform.syntheticKeys.simulateKeyPress(KEY_V, kControl);
    });
}

bool ClipboardStrategies::textWasFetched() {
    return m_main.call([this] { return m_platform.clipboard.textWasFetched(); });
}

std::optional<platform::ClipboardSnapshot> ClipboardStrategies::saveClipboard() {
    // On the worker: the owner may take its time, and the main thread must stay free to answer
    // when this program owns the clipboard itself.
    m_main.call([this] { m_putTexts.clear(); });
    m_copies.clear();
    auto saved = m_platform.clipboard.snapshot(kSnapshotLimit);
    if (saved.truncated) {
        // Writing over it would lose what could not be saved: the user's clipboard comes first.
        say("❌ The clipboard could not be saved whole (too large, or its owner did not answer "
            "in time); not converting through it, the clipboard stays as it is");
        return std::nullopt;
    }
    return saved;
}

void ClipboardStrategies::restoreClipboard(const platform::ClipboardSnapshot& saved) {
    m_main.call([&] { m_platform.clipboard.restore(saved); });
}

bool ClipboardStrategies::restoreUnlessReplaced(const platform::ClipboardSnapshot& saved,
                                                const std::string& ours) {
    return m_main.call([&] {
        auto& clipboard = m_platform.clipboard;
        const auto now = clipboard.text();
        const bool isOurs = now == ours || (now && std::find(m_putTexts.begin(), m_putTexts.end(),
                                                             *now) != m_putTexts.end());
        if (!isOurs) {
            say("⚠️ Clipboard changed meanwhile; leaving the newer content in place");
            return false;
        }
        clipboard.restore(saved);
        m_putTexts.clear();
        return true;
    });
}

std::optional<std::string> ClipboardStrategies::copySelection(std::chrono::milliseconds timeout,
                                                              const char* failureLine) {
    // Waits for the application to take the clipboard, however long that is within `timeout`,
    // instead of sleeping a fixed time; what it copies is read on this thread.
    auto& clipboard = m_platform.clipboard;
    const std::uint64_t since = clipboard.claims(false);
    if (!press(KEY_C, kControl) && failureLine) {
        say(failureLine);
    }
    auto text = clipboard.awaitNewText(false, since, timeout);
    if (text) {
        m_copies.push_back(*text);
    }
    if (text && text->empty()) {
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> ClipboardStrategies::selectWith(platform::KeyCode key,
                                                           platform::Modifiers flags,
                                                           const char* failureLine) {
    auto& clipboard = m_platform.clipboard;
    const std::uint64_t since = clipboard.claims(true);
    if (!press(key, flags)) {
        say(failureLine);
    }
    // An application takes the mouse selection as soon as it selects something; nothing selected
    // (the caret at the start of the line, an empty field) leaves it as it was.
    auto selected = clipboard.awaitNewText(true, since, kSelectTimeout);
    if (selected && selected->empty()) {
        return std::nullopt;
    }
    return selected;
}

bool ClipboardStrategies::isSelected(const std::string& copied) {
    // Some editors copy the whole line when nothing is selected (KWrite); pasting that back
    // would add a line instead of replacing one. A real selection is also the PRIMARY one.
    const auto primary = m_main.call([this] { return m_platform.clipboard.primaryText(); });
    if (primary == copied) {
        return true;
    }
    say("⚠️ The copied text is not the selection; not pasting over it");
    return false;
}

Outcome ClipboardStrategies::convertViaClipboard(ConversionPress& conversion) {
    say("📋 Attempting clipboard conversion (Slow mode: false)...");
    const auto saved = saveClipboard();
    if (!saved) {
        return Outcome::declined;
    }

    say("📋 Strategy 1: Checking if text is already selected...");
    if (auto text = copySelection(kCopyTimeout,
                                  "⚠️ simulateKeyPress failed for Control+C (strategy 1)");
        text && isSelected(*text)) {
        sayText("✅ Found pre-selected text via clipboard: '", *text, "'");
        return convertClipboardText(conversion, *text, *saved);
    }

    say("📋 Strategy 2: Trying Shift+Home to select line...");
    if (const auto line = selectWith(KEY_HOME, Modifier::Shift,
                                     "⚠️ simulateKeyPress failed for Shift+Home")) {
        // A busy application copies late; worth waiting for where this program made the
        // selection.
        if (auto text = copySelection(kLateCopyTimeout,
                                      "⚠️ simulateKeyPress failed for Control+C (strategy 2)");
            text && *text == *line) {
            sayText("✅ Got text via line selection: '", *text, "'");
            return convertClipboardText(conversion, *text, *saved);
        }
    }

    say("📋 Strategy 3: Control+A fallback...");
    if (const auto all =
            selectWith(KEY_A, kControl, "⚠️ simulateKeyPress failed for Control+A")) {
        if (auto text = copySelection(kLateCopyTimeout,
                                      "⚠️ simulateKeyPress failed for Control+C (strategy 3)");
            text && *text == *all) {
            sayText("✅ Got text via select all: '", *text, "'");
            return convertClipboardText(conversion, *text, *saved);
        }
    }

    say("❌ All strategies failed to get text");
    restoreClipboard(*saved);
    return Outcome::unavailable;
}

bool ClipboardStrategies::putOnClipboard(const std::string& text, int waitMilliseconds) {
    m_main.call([&] {
        m_putTexts.push_back(text);
        m_platform.clipboard.setText(text);
    });
    wait(waitMilliseconds);
    return m_main.call([this] { return m_platform.clipboard.text(); }) == text;
}

bool ClipboardStrategies::awaitFetch() {
    if (!pollUntil(m_clock, kFetchTime, kPollInterval, [this] { return textWasFetched(); })) {
        return false;
    }
    // Some toolkits insert what they fetched from their event loop a moment later: keys sent at
    // once could act on the field before the paste lands.
    wait(kAfterFetchMilliseconds);
    return true;
}

bool ClipboardStrategies::awaitSelection(const std::string& expected, std::uint64_t since) {
    // Qt with its accessibility bridge on holds ordinary keys for a round trip to the
    // accessibility registry while its shortcuts (Copy, Undo) act at once: a Copy pressed right
    // after the selecting keys copies a selection they have not finished making. The mouse
    // selection follows each key that took effect.
    auto& clipboard = m_platform.clipboard;
    const auto deadline = m_clock.now() + kLateCopyTimeout;
    // An application that never takes the mouse selection costs one short wait.
    std::chrono::milliseconds wait = kCopyTimeout;
    while (wait.count() > 0) {
        const auto selected = clipboard.awaitNewText(true, since, wait);
        if (!selected) {
            return false;
        }
        if (*selected == expected) {
            return true;
        }
        since = clipboard.claims(true);
        if (m_main.call([this] { return m_platform.clipboard.primaryText(); }) == expected) {
            return true;
        }
        wait = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - m_clock.now());
    }
    return false;
}

Outcome ClipboardStrategies::verifyPaste(ConversionPress& conversion, const std::string& pasted,
                                         const std::string& original, std::uint64_t ownClaim) {
    // Nothing reads the field here but the application's own copy: select what the paste should
    // have left before the caret and copy it back.
    const auto characters = static_cast<long>(engine::GraphemeCursor::count(pasted));
    if (characters > kMaxVerifiedCharacters) {
        say("⚠️ Pasted, but too long to read back; not counted as converted");
        return Outcome::writtenUnverified;
    }
    if (m_platform.clipboard.claims(false) != ownClaim) {
        // Copying back would overwrite what the user copied meanwhile.
        say("⚠️ Pasted, but the clipboard changed meanwhile; not copying over it to check, not "
            "counted as converted");
        return Outcome::writtenUnverified;
    }
    const std::uint64_t selectedSince = m_platform.clipboard.claims(true);
    press(KEY_LEFT, Modifier::Shift, characters);
    awaitSelection(pasted, selectedSince);
    const auto back = copySelection(kLateCopyTimeout, nullptr);
    if (back == pasted) {
        say("✅ The pasted text reads back as intended");
        if (conversion.shouldDeselectAfterReplace()) {
            press(KEY_RIGHT, {});
        }
        return Outcome::written;
    }
    if (!back) {
        press(KEY_RIGHT, {});
        say("⚠️ Pasted, but the application gave nothing back to check; not counted as "
            "converted");
        return Outcome::writtenUnverified;
    }
    // The application made something else of the paste: its own undo takes back exactly that.
    sayText("⚠️ The pasted text does not read back as intended ('", *back,
            "'); undoing the paste");
    press(KEY_Z, kControl);
    const auto undone = copySelection(kLateCopyTimeout, nullptr);
    if (undone == original) {
        say("↩️ The application's undo put the original text back");
        return Outcome::notWritten;
    }
    if (undone) {
        sayText("❌ Could not confirm that the original text is back ('", *undone, "')");
    } else {
        say("❌ Could not confirm that the original text is back (nothing copied)");
    }
    return Outcome::damaged;
}

Outcome ClipboardStrategies::convertClipboardText(ConversionPress& conversion,
                                                  const std::string& text,
                                                  const platform::ClipboardSnapshot& saved) {
    sayText("🔄 Converting: '", text, "'");
    const auto toPaste = conversion.replacementFor(text);
    if (!toPaste) {
        say("❌ Conversion failed");
        restoreClipboard(saved);
        return Outcome::notConverted;
    }
    sayText("✅ Result: '", *toPaste, "'");
    if (!putOnClipboard(*toPaste, 0)) {
        say("❌ Clipboard verification failed - text wasn't written correctly");
        restoreClipboard(saved);
        return Outcome::notWritten;
    }
    const std::uint64_t ownClaim = m_platform.clipboard.claims(false);
    say("📋 Pasting converted text...");
    if (!pressPaste()) {
        say("⚠️ simulateKeyPress failed for Control+V");
    }
    Outcome outcome = Outcome::notWritten;
    if (awaitFetch()) {
        outcome = verifyPaste(conversion, *toPaste, text, ownClaim);
    } else {
        // Nothing was pasted; the selection is as the strategy left it.
        say("⚠️ The application did not take the paste");
    }
    // The copies made to check are this press's too.
    m_main.call([this] { m_putTexts.insert(m_putTexts.end(), m_copies.begin(), m_copies.end()); });
    if (restoreUnlessReplaced(saved, *toPaste)) {
        say("✅ Restored original clipboard");
    }
    if (outcome == Outcome::written) {
        say("✅ Clipboard conversion complete!");
    }
    return outcome;
}

Outcome ClipboardStrategies::convertInSlowApp(ConversionPress& conversion) {
    const auto snapshot = saveClipboard();
    if (!snapshot) {
        return Outcome::declined;
    }
    const platform::ClipboardSnapshot& saved = *snapshot;
    say("🤖 Slow app: selecting line...");
    press(KEY_END, Modifier::Shift);
    wait(100);
    press(KEY_HOME, Modifier::Shift);
    wait(150);
    const auto text = copySelection(std::chrono::milliseconds(300), nullptr);
    if (!text) {
        say("❌ Slow app: no text found");
        restoreClipboard(saved);
        // Nothing after this way is quick enough for a slow application.
        return Outcome::declined;
    }
    sayText("✅ Slow app: got text: '", *text, "'");
    // Pasted and read back as on the ordinary clipboard way: a slow application fetches the
    // paste late, which the bounded waits allow for, and the clipboard is back before the press
    // ends, so the next press can never take it for its text.
    const Outcome outcome = convertClipboardText(conversion, *text, saved);
    if (outcome == Outcome::notConverted) {
        press(KEY_RIGHT, {});  // the line this way selected
    }
    return outcome;
}

}  // namespace korrelang::service
