#include "clipboard_strategies.h"

#include <algorithm>
#include <array>

#include "way_terms.h"

namespace korrelang::service {

namespace {

using namespace wayterms;
using Outcome = ConversionWay::Outcome;

constexpr std::uint32_t kCommand = Flag::command;
constexpr std::uint32_t kShiftCommand = Flag::shift | Flag::command;

constexpr std::array<std::string_view, 3> kSlowAppIDs{"com.figma.Desktop", "com.figma.agent",
                                                      "com.microsoft.Outlook"};
constexpr std::array<std::string_view, 3> kSlowAppNames{"Figma", "Antigravity",
                                                        "Microsoft Outlook"};

bool containsAny(std::string_view text, const std::array<std::string_view, 3>& parts) {
    if (text.empty()) {
        return false;
    }
    for (const std::string_view part : parts) {
        if (text.find(part) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool ClipboardStrategies::isSlowApp(std::string_view applicationID, std::string_view name) {
    return containsAny(applicationID, kSlowAppIDs) || containsAny(name, kSlowAppNames);
}

void ClipboardStrategies::wait(int milliseconds) {
    m_clock.sleep(std::chrono::milliseconds(milliseconds));
}

bool ClipboardStrategies::press(platform::KeyCode key, std::uint32_t flags) {
    return m_main.call([&] { return m_platform.syntheticKeys.simulateKeyPress(key, flags); });
}

bool ClipboardStrategies::textWasFetched() {
    return m_main.call([this] { return m_platform.clipboard.textWasFetched(); });
}

platform::ClipboardSnapshot ClipboardStrategies::saveClipboard() {
    // On the worker: the owner may take its time, and the main thread must stay free to answer
    // when this program owns the clipboard itself.
    m_main.call([this] { m_putTexts.clear(); });
    auto saved = m_platform.clipboard.snapshot(kSnapshotLimit);
    if (saved.truncated) {
        say("⚠️ Clipboard content too large to keep; some formats will not come back");
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

std::optional<std::string> ClipboardStrategies::copySelection(int clearWait, int copyWait,
                                                              const char* failureLine,
                                                              int lateCopyWait) {
    m_main.call([this] { m_platform.clipboard.clear(); });
    wait(clearWait);
    if (!press(Key::c, kCommand) && failureLine) {
        say(failureLine);
    }
    wait(copyWait);
    auto text = m_main.call([this] { return m_platform.clipboard.text(); });
    // A busy application copies late; worth waiting for where this program made the selection.
    for (int waited = 0; (!text || text->empty()) && waited < lateCopyWait; waited += 20) {
        wait(20);
        text = m_main.call([this] { return m_platform.clipboard.text(); });
    }
    if (text && text->empty()) {
        return std::nullopt;
    }
    return text;
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
    const platform::ClipboardSnapshot saved = saveClipboard();

    say("📋 Strategy 1: Checking if text is already selected...");
    if (auto text = copySelection(50, 200, "⚠️ simulateKeyPress failed for Cmd+C (strategy 1)");
        text && isSelected(*text)) {
        sayText("✅ Found pre-selected text via clipboard: '", *text, "'");
        return convertClipboardText(conversion, *text, saved);
    }

    say("📋 Strategy 2: Trying Shift+Cmd+Left to select line...");
    if (!press(Key::left, kShiftCommand)) {
        say("⚠️ simulateKeyPress failed for Shift+Cmd+Left");
    }
    wait(150);
    if (auto text =
            copySelection(50, 200, "⚠️ simulateKeyPress failed for Cmd+C (strategy 2)", 600);
        text && isSelected(*text)) {
        sayText("✅ Got text via line selection: '", *text, "'");
        return convertClipboardText(conversion, *text, saved);
    }

    say("📋 Strategy 3: Cmd+A fallback...");
    if (!press(Key::a, kCommand)) {
        say("⚠️ simulateKeyPress failed for Cmd+A");
    }
    wait(150);
    if (auto text =
            copySelection(50, 200, "⚠️ simulateKeyPress failed for Cmd+C (strategy 3)", 600);
        text && isSelected(*text)) {
        sayText("✅ Got text via select all: '", *text, "'");
        return convertClipboardText(conversion, *text, saved);
    }

    say("❌ All strategies failed to get text");
    restoreClipboard(saved);
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
    if (!putOnClipboard(*toPaste, 100)) {
        say("❌ Clipboard verification failed - text wasn't written correctly");
        restoreClipboard(saved);
        return Outcome::notWritten;
    }
    say("📋 Pasting converted text...");
    if (!press(Key::v, kCommand)) {
        say("⚠️ simulateKeyPress failed for Cmd+V");
    }
    wait(500);
    if (restoreUnlessReplaced(saved, *toPaste)) {
        say("✅ Restored original clipboard");
    }
    say("✅ Clipboard conversion complete!");
    return Outcome::written;
}

Outcome ClipboardStrategies::convertInSlowApp(ConversionPress& conversion) {
    const platform::ClipboardSnapshot saved = saveClipboard();
    say("🤖 Slow app: selecting line...");
    press(Key::right, kShiftCommand);
    wait(100);
    press(Key::left, kShiftCommand);
    wait(150);
    const auto text = copySelection(30, 300, nullptr);
    if (!text) {
        say("❌ Slow app: no text found");
        restoreClipboard(saved);
        // Nothing after this way is quick enough for a slow application.
        return Outcome::declined;
    }
    sayText("✅ Slow app: got text: '", *text, "'");

    const auto toPaste = conversion.replacementFor(*text);
    if (!toPaste) {
        say("❌ Conversion failed");
        press(Key::right, 0);
        restoreClipboard(saved);
        return Outcome::notConverted;
    }
    say("🤖 Slow app: pasting converted text...");
    m_main.call([&] {
        m_putTexts.push_back(*toPaste);
        m_platform.clipboard.setText(*toPaste);
    });
    wait(50);
    press(Key::v, kCommand);
    wait(400);
    // The delayed restore runs before the press ends, so the next press can never take the
    // restored clipboard for its text.
    wait(300);
    if (restoreUnlessReplaced(saved, *toPaste)) {
        say("✅ Slow app: clipboard restored");
    }
    say("✅ Slow app conversion complete!");
    return Outcome::written;
}

}  // namespace korrelang::service
