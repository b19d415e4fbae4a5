#include "service/terminal_way.h"

#include <gtest/gtest.h>

#include <QObject>

#include "engine/layout_converter.h"
#include "platform/fake/fake_platform.h"
#include "service_test_support.h"

namespace korrelang::service {
namespace {

using platform::Modifier;
using Press = platform::fake::FakeSyntheticKeys::Press;
using Outcome = ConversionWay::Outcome;
using Formats = std::vector<std::pair<std::string, std::string>>;

// A terminal line behind a fake accessible element: BackSpace erases the code point before the
// cursor, the paste keys insert what the clipboard or the mouse selection holds, as a shell at
// its prompt would show it.
class FakeTerminal final : public platform::SyntheticKeys {
public:
    FakeTerminal(platform::fake::FakeTextElement& line, platform::fake::FakeClipboard& clipboard)
        : m_line(line), m_clipboard(clipboard) {}

    std::vector<Press> presses;
    bool erases = true;
    std::size_t prompt = 2;  ///< bytes at the start of the line that BackSpace does not erase
    bool controlShiftVPastes = true;
    bool shiftInsertPastes = true;

    bool isAvailable() const override { return true; }
    bool simulateKeyPress(platform::KeyCode key, platform::Modifiers flags) override {
        presses.push_back({key, flags});
        if (key == KEY_BACKSPACE && flags.empty() && erases && m_line.text.size() > prompt) {
            std::size_t end = m_line.text.size() - 1;
            while (end > 0 && (static_cast<unsigned char>(m_line.text[end]) & 0xC0) == 0x80) {
                --end;
            }
            m_line.text.erase(end);
        } else if (key == KEY_V && flags == (Modifier::Control | Modifier::Shift) &&
                   controlShiftVPastes) {
            m_line.text += m_clipboard.text().value_or("");
        } else if (key == KEY_INSERT && flags == Modifier::Shift && shiftInsertPastes) {
            m_line.text += m_clipboard.primaryText().value_or("");
        }
        m_line.selection = {codePoints(m_line.text), 0};
        return true;
    }

    static long codePoints(const std::string& text) {
        return std::count_if(text.begin(), text.end(),
                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    }

private:
    platform::fake::FakeTextElement& m_line;
    platform::fake::FakeClipboard& m_clipboard;
};

class TerminalPress final : public ConversionPress {
public:
    std::optional<platform::Application> app;
    std::vector<std::string> asked;

    const std::optional<platform::Application>& application() const override { return app; }
    std::optional<std::string> replacementFor(const std::string& current) override {
        asked.push_back(current);
        const auto result = engine::LayoutConverter().convert(
            current, {"xkb.us.English", "xkb.ru.Russian"}, std::nullopt, std::nullopt);
        return result ? std::optional(result->convertedText) : std::nullopt;
    }
    bool textWasRead() const override { return !asked.empty(); }
    bool shouldDeselectAfterReplace() override { return true; }
};

struct Case {
    const char* name;
    std::string line;
    std::optional<std::string> primary;
    Outcome outcome;
    std::string lineAfter;
    std::vector<Press> keys;
    std::function<void(FakeTerminal&, platform::fake::FakeAccessibilityText&)> setUp = {};
    bool terminal = true;
};

const Press backSpace{KEY_BACKSPACE, {}};
const Press controlShiftV{KEY_V, Modifier::Control | Modifier::Shift};
const Press shiftInsert{KEY_INSERT, Modifier::Shift};

std::vector<Press> erase(int count, std::vector<Press> then) {
    std::vector<Press> keys(static_cast<std::size_t>(count), backSpace);
    keys.insert(keys.end(), then.begin(), then.end());
    return keys;
}

TEST(TerminalWay, ConvertsTheWordBeforeTheCursorWithBackSpaceAndPasteOnly) {
    const Case cases[] = {
        {"the word just typed at the prompt", "$ echo ghbdtn", std::nullopt, Outcome::written,
         "$ echo привет", erase(6, {controlShiftV})},
        {"a blank after the word: no text ends at the cursor",
         "$ ghbdtn ",
         std::nullopt,
         Outcome::declined,
         "$ ghbdtn ",
         {}},
        {"a mouse selection ending at the cursor, several words", "$ ghbdtn vbh",
         std::string("ghbdtn vbh"), Outcome::written, "$ привет мир", erase(10, {controlShiftV})},
        {"a mouse selection elsewhere is not what is replaced", "$ ghbdtn vbh",
         std::string("elsewhere"), Outcome::written, "$ ghbdtn мир", erase(3, {controlShiftV})},
        {"Control+Shift+V not bound: Shift+Insert pastes the mouse selection", "$ ghbdtn",
         std::nullopt, Outcome::written, "$ привет", erase(6, {controlShiftV, shiftInsert}),
         [](FakeTerminal& t, auto&) { t.controlShiftVPastes = false; }},
        {"not a terminal: not this way's business",
         "$ ghbdtn",
         std::nullopt,
         Outcome::unavailable,
         "$ ghbdtn",
         {},
         {},
         false},
        {"no accessible text (xterm): declined without a key",
         "$ ghbdtn",
         std::nullopt,
         Outcome::declined,
         "$ ghbdtn",
         {},
         [](auto&, platform::fake::FakeAccessibilityText& a) {
             a.element->valueCode = platform::AccessCode::noValue;
         }},
        {"only the prompt: BackSpace cannot erase it, nothing changes", "$", std::nullopt,
         Outcome::declined, "$", erase(1, {}), [](FakeTerminal& t, auto&) { t.prompt = 1; }},
        {"a selection reaching into the prompt: the erased part is put back", "$ ghbdtn",
         std::string("$ ghbdtn"), Outcome::declined, "$ ghbdtn", erase(8, {controlShiftV})},
        {"text that does not convert",
         "$ ελληνικά",
         std::nullopt,
         Outcome::notConverted,
         "$ ελληνικά",
         {}},
        {"the terminal does not erase: nothing changed", "$ ghbdtn", std::nullopt,
         Outcome::declined, "$ ghbdtn", erase(6, {}),
         [](FakeTerminal& t, auto&) { t.erases = false; }},
        {"no paste key works: reported as damage, never as written", "$ ghbdtn", std::nullopt,
         Outcome::damaged, "$ ", erase(6, {controlShiftV, shiftInsert}),
         [](FakeTerminal& t, auto&) {
             t.controlShiftVPastes = false;
             t.shiftInsertPastes = false;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::fake::FakePlatform fake;
        FakeTerminal terminal(*fake.accessibility.element, fake.clipboard);
        fake.accessibility.element->roleName = "terminal";
        fake.accessibility.element->text = c.line;
        fake.accessibility.element->selection = {FakeTerminal::codePoints(c.line), 0};
        const Formats clipboard = {{"text/plain", "the user's clipboard"},
                                   {"image/png", std::string("\x89PNG\r\n\x1a\n", 8)}};
        fake.clipboard.content.formats = clipboard;
        fake.clipboard.content.primary = {{"text/plain", c.primary.value_or("old selection")}};
        const Formats primary = fake.clipboard.content.primary;
        if (c.setUp) {
            c.setUp(terminal, fake.accessibility);
        }
        const platform::Platform platform{fake.inputSources,  fake.accessibility, terminal,
                                          fake.clipboard,     fake.workspace,     fake.hotKeys,
                                          fake.keyInterceptor};
        QObject context;
        const MainThread main(context);
        testing::FakeClock clock;
        TerminalWay way(platform, main, clock);
        TerminalPress press;
        press.app = platform::Application{
            .id = "xfce4-terminal", .name = "Terminal", .processId = 42, .terminal = c.terminal};

        EXPECT_EQ(way.attempt(press), c.outcome);
        EXPECT_EQ(fake.accessibility.element->text, c.lineAfter);
        EXPECT_EQ(terminal.presses, c.keys);
        EXPECT_EQ(fake.clipboard.content.formats, clipboard);
        EXPECT_EQ(fake.clipboard.content.primary, primary);
    }
}

TEST(TerminalWay, AClipboardTooLargeToSaveIsLeftAloneAndTheMouseSelectionPastes) {
    platform::fake::FakePlatform fake;
    FakeTerminal terminal(*fake.accessibility.element, fake.clipboard);
    fake.accessibility.element->text = "$ ghbdtn";
    fake.accessibility.element->selection = {8, 0};
    const std::string photo(65 * 1024 * 1024, 'x');
    fake.clipboard.content.formats = {{"image/png", photo}};
    fake.clipboard.content.primary = {{"text/plain", "old selection"}};
    const platform::Platform platform{fake.inputSources,  fake.accessibility, terminal,
                                      fake.clipboard,     fake.workspace,     fake.hotKeys,
                                      fake.keyInterceptor};
    QObject context;
    const MainThread main(context);
    testing::FakeClock clock;
    TerminalWay way(platform, main, clock);
    TerminalPress press;
    press.app = platform::Application{
        .id = "xfce4-terminal", .name = "Terminal", .processId = 42, .terminal = true};

    EXPECT_EQ(way.attempt(press), Outcome::written);
    EXPECT_EQ(fake.accessibility.element->text, "$ привет");
    EXPECT_EQ(terminal.presses, erase(6, {shiftInsert}));
    ASSERT_EQ(fake.clipboard.content.formats.size(), 1U);
    EXPECT_EQ(fake.clipboard.content.formats[0].second.size(), photo.size());
    EXPECT_EQ(fake.clipboard.primaryText(), "old selection");
}

TEST(TerminalWay, TheSelectionCountsOnlyWhereItEndsAtTheCursor) {
    EXPECT_EQ(TerminalWay::textToReplace("$ ls -l", std::nullopt), "-l");
    EXPECT_EQ(TerminalWay::textToReplace("$ ls -l ", std::nullopt), "");
    EXPECT_EQ(TerminalWay::textToReplace("$ ls -l", std::string("ls -l")), "ls -l");
    EXPECT_EQ(TerminalWay::textToReplace("$ ls -l", std::string("-l\n")), "-l");
    EXPECT_EQ(TerminalWay::textToReplace("", std::string("")), "");
    EXPECT_EQ(TerminalWay::textToReplace("ghbdtn", std::nullopt), "ghbdtn");
}

}  // namespace
}  // namespace korrelang::service
