#include "service/hotkey_service.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstring>

#include "service/slow_app_way.h"
#include "service_test_support.h"
#include "settings/settings.h"
#include "support/log_capture.h"

namespace korrelang::service {
namespace {

using namespace std::chrono_literals;
using korrelang::testing::LogCapture;
using platform::fake::FakeClipboard;
using platform::fake::FakePlatform;
using testing::FakeClock;
using testing::RecordingEvents;
using testing::RecordingNotices;
using testing::ScriptedEditor;

using platform::Modifier;
using Press = platform::fake::FakeSyntheticKeys::Press;

const QStringList kTwo{"xkb.us.English", "xkb.ru.Russian"};
const QStringList kThree{"xkb.us.English", "xkb.ru.Russian", "xkb.il.Hebrew"};

class HotkeyServiceTest : public ::testing::Test {
public:
    HotkeyServiceTest() {
        settings.setSelectedKeyboards(kTwo);
        fake.inputSources.sources =
            std::vector<platform::InputSource>{{"xkb.us.English", "English (US)"},
                                               {"xkb.ru.Russian", "Russian"},
                                               {"xkb.il.Hebrew", "Hebrew"}};
        fake.inputSources.current = "xkb.us.English";
        fake.workspace.frontmost =
            platform::Application{.id = "org.xfce.mousepad", .name = "Mousepad"};
    }

    platform::Platform bundle() {
        return {fake.inputSources, fake.accessibility, editor, fake.clipboard, fake.workspace,
                fake.hotKeys,      fake.keyInterceptor};
    }

    // A field showing `text` with the characters [from, to) selected.
    void field(const std::string& text, long from, long to) {
        fake.accessibility.element->text = text;
        fake.accessibility.element->selection = {from, to - from};
    }
    const std::string& fieldText() const { return fake.accessibility.element->text; }

    // One press, the background job included.
    void press() {
        service.handleHotkey();
        service.waitForWorker();
        QCoreApplication::processEvents();
    }

    // The accessibility interface gives nothing: the clipboard path has to run.
    void withoutAccessibleText() { fake.accessibility.element = nullptr; }

    LogCapture log;
    QTemporaryDir directory;
    settings::Settings settings{directory.filePath("Korrelang.conf")};
    FakePlatform fake;
    ScriptedEditor editor{fake.clipboard};
    RecordingEvents events;
    RecordingNotices notices;
    FakeClock clock;
    AccessibilityService accessibility{fake.accessibility, fake.inputSources, fake.workspace};
    HotkeyService service{bundle(), accessibility, settings, events, notices, clock};
};

TEST_F(HotkeyServiceTest, ConvertsTheSelectionAndRecordsIt) {
    field("ghbdtn", 0, 6);
    QSignalSpy succeeded(&service, &HotkeyService::conversionSucceeded);
    press();
    EXPECT_EQ(fieldText(), "привет");
    EXPECT_EQ(events.events,
              (std::vector<std::string>{"performed English→Russian 6 accessibility"}));
    ASSERT_EQ(settings.statistics().conversions().size(), 1);
    EXPECT_EQ(settings.statistics().conversions()[0].characterCount, 6);
    EXPECT_EQ(fake.inputSources.selected, (std::vector<std::string>{"xkb.ru.Russian"}));
    EXPECT_EQ(succeeded.count(), 1);
    EXPECT_TRUE(editor.presses.empty());
    // The user's text stays out of the log unless the sink shows it; the marker is there.
    EXPECT_TRUE(log.mentions("✅ REPLACE SUCCEEDED via accessibility"));
}

TEST_F(HotkeyServiceTest, PressesBeforeTheStatisticsAreStoredAreAllRecorded) {
    for (const char* text : {"ghbdtn", "vbh"}) {
        field(text, 0, static_cast<long>(std::strlen(text)));
        service.handleHotkey();  // no event loop in between
    }
    QCoreApplication::processEvents();
    ASSERT_EQ(settings.statistics().conversions().size(), 2);
    EXPECT_EQ(settings.statistics().conversions()[1].characterCount, 3);
}

TEST_F(HotkeyServiceTest, ConvertsTheLineBeforeTheCaret) {
    field("first line\nghbdtn and more", 17, 17);
    fake.accessibility.element->text = "first line\nghbdtn";
    press();
    EXPECT_EQ(fieldText(), "first line\nпривет");
    // The caret ends after the new text, and the text after the caret is untouched.
    EXPECT_EQ(fake.accessibility.element->selection, (platform::TextRange{17, 0}));
}

// A line that reads as an embedded object (U+FFFC) hides its characters: it is not converted
// through accessibility, selected or not.
TEST_F(HotkeyServiceTest, EmbeddedObjectsAreNotConverted) {
    for (const bool selected : {false, true}) {
        SCOPED_TRACE(selected);
        events.events.clear();
        field("one\nghbdtn vbh\xEF\xBF\xBC", selected ? 4 : 15, 15);
        press();
        EXPECT_EQ(fieldText(), "one\nghbdtn vbh\xEF\xBF\xBC");
        EXPECT_TRUE(log.mentions("⚠️ The text holds embedded objects (U+FFFC)"));
        EXPECT_TRUE(settings.statistics().conversions().isEmpty());
    }
}

TEST_F(HotkeyServiceTest, AutoSwitchOffLeavesTheKeyboard) {
    settings.setAutoSwitchKeyboard(false);
    field("ghbdtn", 0, 6);
    press();
    EXPECT_EQ(fieldText(), "привет");
    EXPECT_TRUE(fake.inputSources.selected.empty());
}

TEST_F(HotkeyServiceTest, DisabledDoesNothing) {
    settings.setIsEnabled(false);
    field("ghbdtn", 0, 6);
    service.hotkeyEntry();
    EXPECT_EQ(fieldText(), "ghbdtn");
    EXPECT_TRUE(log.mentions("⏸️ Hotkey pressed but app is disabled"));
    EXPECT_FALSE(log.mentions("HOTKEY PRESSED"));
    EXPECT_EQ(fake.workspace.beeps, 0);
}

// Fields whose accessible writes do not do what they say: the paste way takes over, and only
// a write that reads back as intended counts.
TEST_F(HotkeyServiceTest, WritesThatDoNotTakeFallBackToPasting) {
    using Element = platform::fake::FakeTextElement;
    struct Case {
        const char* name;
        std::function<void(Element&)> arrange;
        bool selected;  // else the caret sits after the text
        std::string text, expected;
        std::vector<std::string> events;
    };
    const std::vector<Case> cases = {
        {"answers yes and changes nothing",
         [](Element& e) { e.ignoresWrites = true; },
         true,
         "ghbdtn world",
         "привет world",
         {"performed English→Russian 6 clipboard"}},
        {"no EditableText",
         [](Element& e) { e.editable = false; },
         false,
         "ghbdtn",
         "привет",
         {"performed English→Russian 6 clipboard"}},
        {"line in a field that ignores writes",
         [](Element& e) { e.ignoresWrites = true; },
         false,
         "one\nghbdtn",
         "one\nпривет",
         {"performed English→Russian 6 clipboard"}},
        // Insert-first overflows the limit and is undone; delete-first fits.
        {"length limit",
         [](Element& e) { e.maxLength = 12; },
         true,
         "ghbdtn world",
         "привет world",
         {"performed English→Russian 6 accessibility"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        events.events.clear();
        settings.setStatistics({});
        fake.inputSources.selected.clear();
        // An application of its own: one whose writes were ignored is not written to again.
        fake.workspace.frontmost = platform::Application{.id = c.name, .name = c.name};
        auto element = std::make_shared<Element>();
        element->text = c.text;
        const long end = static_cast<long>(QString::fromStdString(c.text).size());
        element->selection = c.selected ? platform::TextRange{0, 6} : platform::TextRange{end, 0};
        c.arrange(*element);
        fake.accessibility.element = element;
        editor.field = element;
        fake.clipboard.content.formats = {{"image/png", "picture"}, {"text/plain", "mine"}};
        press();
        EXPECT_EQ(element->text, c.expected);
        EXPECT_EQ(events.events, c.events);
        EXPECT_EQ(settings.statistics().conversions().size(), 1);
        EXPECT_EQ(fake.inputSources.selected, (std::vector<std::string>{"xkb.ru.Russian"}));
        EXPECT_EQ(fake.clipboard.content.formats,
                  (std::vector<std::pair<std::string, std::string>>{{"image/png", "picture"},
                                                                    {"text/plain", "mine"}}));
        EXPECT_TRUE(notices.shown.empty());
    }
}

// The line before the caret is selected for the paste with one Shift+Home where the application
// allows, and with Shift+Left for what Home left out: a busy application works through every key.
TEST_F(HotkeyServiceTest, TheLineToPasteOverIsSelectedWithFewKeys) {
    using Element = platform::fake::FakeTextElement;
    struct Case {
        const char* name;
        std::string text, expected;
        long homeStopsAfter;
        bool ignoresHome;
        long shiftLefts;
    };
    const std::vector<Case> cases = {
        {"Home selects the line", "one\nghbdtn", "one\nпривет", 0, false, 0},
        {"Home stops at the indentation", "one\n  ghbdtn", "one\n  привет", 2, false, 2},
        {"Home does nothing", "one\nghbdtn", "one\nпривет", 0, true, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto element = std::make_shared<Element>();
        element->text = c.text;
        element->selection = {static_cast<long>(QString::fromStdString(c.text).size()), 0};
        element->ignoresWrites = true;
        fake.accessibility.element = element;
        editor.field = element;
        editor.homeStopsAfter = c.homeStopsAfter;
        editor.ignoresHome = c.ignoresHome;
        editor.presses.clear();
        fake.clipboard.setText("mine");
        press();
        EXPECT_EQ(element->text, c.expected);
        EXPECT_EQ(std::count(editor.presses.begin(), editor.presses.end(),
                             Press{KEY_HOME, Modifier::Shift}),
                  1);
        EXPECT_EQ(std::count(editor.presses.begin(), editor.presses.end(),
                             Press{KEY_LEFT, Modifier::Shift}),
                  c.shiftLefts);
        EXPECT_EQ(fake.clipboard.text(), "mine");
        EXPECT_TRUE(log.mentions("✅ REPLACE SUCCEEDED via paste"));
    }
}

// When no way writes what was intended, the field ends as it began, nothing is counted or
// switched, and the user is told.
TEST_F(HotkeyServiceTest, AWriteThatCannotBeVerifiedLeavesTheFieldAsItWas) {
    using Element = platform::fake::FakeTextElement;
    struct Case {
        const char* name;
        std::function<void(HotkeyServiceTest&, Element&)> arrange;
    };
    const std::vector<Case> cases = {
        {"the paste arrives changed",
         [](auto& t, Element& e) {
             e.ignoresWrites = true;
             // An application that corrects what arrives: the conversion comes out wrong.
             t.editor.pasteFilter = [](const std::string& text) {
                 return text == "привет" ? text + "!" : text;
             };
         }},
        {"the paste does nothing",
         [](auto& t, Element& e) {
             e.ignoresWrites = true;
             t.editor.pasteFilter = [](const std::string&) { return std::string("ghbdtn"); };
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        events.events.clear();
        notices.shown.clear();
        editor.pasteFilter = nullptr;
        auto element = std::make_shared<Element>();
        element->text = "ghbdtn";
        element->selection = {0, 6};
        c.arrange(*this, *element);
        fake.accessibility.element = element;
        editor.field = element;
        fake.clipboard.setText("mine");
        press();
        EXPECT_EQ(element->text, "ghbdtn");
        EXPECT_EQ(events.events, (std::vector<std::string>{"failed paste_failed"}));
        EXPECT_TRUE(settings.statistics().conversions().isEmpty());
        EXPECT_TRUE(fake.inputSources.selected.empty());
        EXPECT_EQ(notices.shown, (std::vector<std::string>{"paste_failed"}));
        EXPECT_EQ(fake.clipboard.text(), "mine");
        EXPECT_FALSE(log.mentions("REPLACE SUCCEEDED"));
        // Copying blind after a way that read the field could take a late paste for the text.
        EXPECT_EQ(std::count(editor.presses.begin(), editor.presses.end(),
                             Press{KEY_C, Modifier::Control}),
                  0);
        editor.presses.clear();
    }
}

// An application whose accessible writes answer yes and change nothing is pasted into straight
// away on later presses; one whose writes took once, or failed some other way, is always tried.
TEST_F(HotkeyServiceTest, ApplicationsThatIgnoreWritesArePastedIntoStraightAway) {
    struct Step {
        const char* application;  // nullptr: no active window known
        bool ignoresWrites;
        bool refusesInsert;
        bool triesAccessibility;  // the press writes through accessibility before pasting
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const std::vector<Case> cases = {
        {"remembered after the first press",
         {{"firefox", true, false, true},
          {"firefox", true, false, false},
          {"firefox", true, false, false}}},
        {"per application",
         {{"firefox", true, false, true},
          {"gedit", true, false, true},
          {"firefox", true, false, false}}},
        {"a write that took once keeps the way",
         {{"firefox", false, false, true},
          {"firefox", true, false, true},
          {"firefox", true, false, true}}},
        {"a refused write is not remembered",
         {{"firefox", false, true, true}, {"firefox", false, true, true}}},
        {"no application known", {{nullptr, true, false, true}, {nullptr, true, false, true}}},
    };
    int scenario = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Each case starts with applications the service has not seen.
        const std::string suffix = "." + std::to_string(scenario++);
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            SCOPED_TRACE("press " + std::to_string(i + 1));
            fake.workspace.frontmost =
                step.application == nullptr
                    ? std::nullopt
                    : std::optional(platform::Application{.id = step.application + suffix,
                                                          .name = step.application});
            auto element = std::make_shared<platform::fake::FakeTextElement>();
            element->text = "ghbdtn world";
            element->selection = {0, 6};
            element->ignoresWrites = step.ignoresWrites;
            if (step.refusesInsert) {
                element->insertCode = platform::AccessCode::failure;
            }
            fake.accessibility.element = element;
            editor.field = element;
            fake.clipboard.setText("mine");
            log.clear();
            press();
            EXPECT_EQ(element->text, "привет world");
            EXPECT_EQ(element->inserts > 0 || step.refusesInsert, step.triesAccessibility);
            EXPECT_EQ(log.mentions("going straight to pasting"), !step.triesAccessibility);
            EXPECT_EQ(fake.clipboard.text(), "mine");
        }
    }
}

// Where no synthetic key can be sent the paste way is not tried: it would only wait for a
// selection and a paste that cannot come.
TEST_F(HotkeyServiceTest, NoPastingWithoutSyntheticKeys) {
    editor.available = false;
    auto element = std::make_shared<platform::fake::FakeTextElement>();
    element->text = "ghbdtn";
    element->selection = {0, 6};
    element->ignoresWrites = true;
    fake.accessibility.element = element;
    editor.field = element;
    fake.clipboard.setText("mine");
    const long long sleptBefore = clock.slept();
    press();
    EXPECT_EQ(element->text, "ghbdtn");
    EXPECT_TRUE(log.mentions("⏭️ This desktop takes no synthetic keys now: not pasting"));
    EXPECT_FALSE(log.mentions("Trying the paste way"));
    EXPECT_EQ(clock.slept(), sleptBefore);
    EXPECT_TRUE(editor.presses.empty());
    EXPECT_EQ(fake.clipboard.text(), "mine");
    EXPECT_EQ(notices.shown, (std::vector<std::string>{"paste_failed"}));
}

// English to Uyghur drops every Shift+letter: an empty result must not delete the text.
TEST_F(HotkeyServiceTest, AConversionThatDropsEveryCharacterWritesNothing) {
    settings.setSelectedKeyboards({"xkb.us.English", "xkb.cn(ug).Uyghur"});
    field("HELLO", 0, 5);
    press();
    EXPECT_EQ(fieldText(), "HELLO");
    EXPECT_EQ(fake.accessibility.element->inserts + fake.accessibility.element->deletes, 0);
    EXPECT_EQ(events.events, (std::vector<std::string>{"failed detection_failed"}));
    EXPECT_TRUE(settings.statistics().conversions().isEmpty());
}

// Every way a press can fail: what the user gets and what is reported.
TEST_F(HotkeyServiceTest, FailureEndings) {
    struct Case {
        const char* name;
        std::function<void(HotkeyServiceTest&)> arrange;
        std::vector<std::string> events;
        int beeps;
        std::vector<std::string> notices;
        bool converted;  // the statistics hold the conversion
    };
    const std::vector<Case> cases = {
        {"not trusted",
         [](auto& t) { t.fake.accessibility.trusted = false; },
         {"failed accessibility_denied"},
         0,
         {"accessibility_denied"},
         false},
        {"blacklisted",
         [](auto& t) { t.settings.setBlacklistedApps({"org.xfce.mousepad"}); },
         {},
         1,
         {},
         false},
        {"not recognised",
         [](auto& t) { t.field("😀😀", 0, 2); },
         {"failed detection_failed"},
         1,
         {},
         false},
        {"not recognised, debug alerts",
         [](auto& t) {
             t.field("😀😀", 0, 2);
             t.settings.setShowDebugAlerts(true);
         },
         {"failed detection_failed"},
         1,
         {"detection_failed"},
         false},
        // Neither the accessibility write nor the paste takes: nothing is counted or switched.
        {"write refused",
         [](auto& t) { t.fake.accessibility.element->insertCode = platform::AccessCode::failure; },
         {"failed paste_failed"},
         0,
         {"paste_failed"},
         false},
        {"no text anywhere",
         [](auto& t) {
             t.field("", 0, 0);
             t.fake.accessibility.element->selectedRangeCode = platform::AccessCode::failure;
         },
         {"failed no_selection"},
         1,
         {},
         false},
        {"no text anywhere, debug alerts",
         [](auto& t) {
             t.withoutAccessibleText();
             t.settings.setShowDebugAlerts(true);
         },
         {"failed no_selection"},
         1,
         {"no_selection"},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HotkeyServiceTest& t = *this;
        t.settings.setBlacklistedApps({});
        t.settings.setShowDebugAlerts(false);
        t.settings.setStatistics({});
        t.fake.accessibility.trusted = true;
        t.fake.accessibility.element = std::make_shared<platform::fake::FakeTextElement>();
        t.field("ghbdtn", 0, 6);
        t.editor.text.clear();
        t.editor.selectionStart = t.editor.selectionEnd = 0;
        t.events.events.clear();
        t.notices.shown.clear();
        t.fake.workspace.beeps = 0;
        c.arrange(t);
        t.press();
        EXPECT_EQ(t.events.events, c.events);
        EXPECT_EQ(t.fake.workspace.beeps, c.beeps);
        EXPECT_EQ(t.notices.shown, c.notices);
        EXPECT_EQ(t.settings.statistics().conversions().size(), c.converted ? 1 : 0);
        EXPECT_FALSE(t.service.isConversionInProgress());
    }
}

// The notice of a text that does not convert names the layouts it was tried in, in order.
TEST_F(HotkeyServiceTest, TheConversionNoticeNamesTheSelectedKeyboards) {
    settings.setSelectedKeyboards(kThree);
    settings.setShowDebugAlerts(true);
    field("😀😀", 0, 2);
    press();
    EXPECT_EQ(notices.shown, (std::vector<std::string>{"detection_failed"}));
    EXPECT_EQ(notices.keyboardNames, (std::vector<std::string>{"English", "Russian", "Hebrew"}));
}

TEST_F(HotkeyServiceTest, CyclesThroughThreeLayoutsAndRestores) {
    settings.setSelectedKeyboards(kThree);
    field("ghbdtn", 0, 6);
    std::vector<std::string> written;
    for (int i = 0; i < 5; ++i) {
        press();
        written.push_back(fieldText());
        field(fieldText(), 0, static_cast<long>(QString::fromStdString(fieldText()).size()));
        clock.advance(1s);
    }
    EXPECT_EQ(written,
              (std::vector<std::string>{"привет", "עינגאמ", "ghbdtn", "привет", "עינגאמ"}));
    EXPECT_EQ(events.events,
              (std::vector<std::string>{
                  "performed English→Russian 6 accessibility", "cycle 2 English→Hebrew",
                  "performed English→Hebrew 6 accessibility", "cycle 3 English→English",
                  "cycle 1 English→Russian", "performed English→Russian 6 accessibility",
                  "cycle 2 English→Hebrew", "performed English→Hebrew 6 accessibility"}));
    // The restoring step neither records nor switches.
    EXPECT_EQ(settings.statistics().conversions().size(), 4);
}

TEST_F(HotkeyServiceTest, TheRingKeepsTheOrderItOpenedWith) {
    settings.setSelectedKeyboards(kThree);
    field("ghbdtn", 0, 6);
    press();
    EXPECT_EQ(service.cycle().targetIDs(),
              (std::vector<std::string>{"russian", "hebrew", "english"}));
    settings.setSelectedKeyboards({"xkb.il.Hebrew", "xkb.us.English", "xkb.ru.Russian"});
    field(fieldText(), 0, 6);
    press();
    EXPECT_EQ(fieldText(), "עינגאמ");
    EXPECT_EQ(service.cycle().targetIDs(),
              (std::vector<std::string>{"russian", "hebrew", "english"}));
}

TEST_F(HotkeyServiceTest, TheCycleEndsAfterThirtySeconds) {
    struct Case {
        std::chrono::milliseconds wait;
        const char* second;
    };
    // Within the limit the second press restores; at the limit it converts the Russian text.
    for (const Case c : {Case{29'900ms, "ghbdtn"}, Case{30'000ms, "ghbdtn"}}) {
        SCOPED_TRACE(c.wait.count());
        field("ghbdtn", 0, 6);
        service.handleHotkey();
        field("привет", 0, 6);
        clock.advance(c.wait);
        events.events.clear();
        service.handleHotkey();
        EXPECT_EQ(fieldText(), c.second);
        const bool cycled = !events.events.empty() && events.events[0].rfind("cycle", 0) == 0;
        EXPECT_EQ(cycled, c.wait < 30s);
        clock.advance(60s);
    }
}

TEST_F(HotkeyServiceTest, TheCycleContinuesOnTheTrimmedText) {
    field("ghbdtn", 0, 6);
    press();
    field("  привет\n", 0, 9);
    press();
    EXPECT_EQ(fieldText(), "ghbdtn");
}

TEST_F(HotkeyServiceTest, DeselectsUnlessThreeLayoutsKeepTheSelection) {
    struct Case {
        QStringList keyboards;
        bool keep;
        platform::TextRange after;
    };
    const Case cases[] = {
        {kTwo, true, {6, 0}},
        {kThree, true, {0, 6}},
        {kThree, false, {6, 0}},
    };
    for (const Case& c : cases) {
        settings.setSelectedKeyboards(c.keyboards);
        settings.setKeepSelectionAfterConversion(c.keep);
        field("ghbdtn", 0, 6);
        clock.advance(60s);
        press();
        EXPECT_EQ(fieldText(), "привет");
        EXPECT_EQ(fake.accessibility.element->selection, c.after);
        EXPECT_TRUE(editor.presses.empty()) << "no key may move the caret past the new text";
    }
}

// The clipboard paths.

// Six Shift+Left and a copy select the pasted text back to check it; Right leaves the caret after
// it.
std::vector<Press> readBackPresses(int characters) {
    std::vector<Press> presses(static_cast<std::size_t>(characters),
                               Press{KEY_LEFT, Modifier::Shift});
    presses.push_back({KEY_C, Modifier::Control});
    presses.push_back({KEY_RIGHT, {}});
    return presses;
}

std::vector<Press> joined(std::vector<Press> first, const std::vector<Press>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST_F(HotkeyServiceTest, ClipboardPathUsesTheSelectionAndGivesTheClipboardBack) {
    withoutAccessibleText();
    // Not on the bus at all: one search in the press, not one for each way that asks.
    fake.accessibility.applicationCode = platform::AccessCode::noValue;
    editor.text = "ghbdtn";
    editor.selectionStart = 0;
    editor.selectionEnd = 6;
    fake.clipboard.content.formats = {{"image/png", std::string("\x89PNG\r\n\x1a\n\0\1", 10)},
                                      {"text/html", "<b>x</b>"}};
    const auto before = fake.clipboard.content.formats;
    press();
    EXPECT_EQ(editor.text, "привет");
    EXPECT_EQ(editor.presses,
              joined({{KEY_C, Modifier::Control}, {KEY_V, Modifier::Control}}, readBackPresses(6)));
    EXPECT_EQ(editor.selectionStart, 6);
    EXPECT_EQ(editor.selectionEnd, 6);
    EXPECT_EQ(fake.clipboard.content.formats, before);
    EXPECT_EQ(events.events, (std::vector<std::string>{"performed English→Russian 6 clipboard"}));
    EXPECT_EQ(fake.inputSources.selected, (std::vector<std::string>{"xkb.ru.Russian"}));
    EXPECT_FALSE(service.isConversionInProgress());
    EXPECT_EQ(fake.accessibility.focusLookups, 1);
}

// What the paste left is copied back before anything is counted: a paste the application changed
// is undone, and one that cannot be read back converts without a claim of success.
TEST_F(HotkeyServiceTest, ClipboardPathCountsOnlyAPasteThatReadsBack) {
    struct Case {
        const char* name;
        std::function<void(HotkeyServiceTest&)> arrange;
        std::string text;
        std::vector<std::string> events;
        std::string logLine;
    };
    const std::vector<Case> cases = {
        {"reformatted and undone",
         [](auto& t) {
             t.editor.pasteFilter = [](const std::string& s) { return s + " "; };
             t.editor.undoesPaste = true;
         },
         "ghbdtn",
         {"failed paste_failed"},
         "↩️ The application's undo put the original text back"},
        {"reformatted, the undo does nothing",
         [](auto& t) { t.editor.pasteFilter = [](const std::string& s) { return s + " "; }; },
         "привет ",
         {"failed paste_failed"},
         "❌ Could not confirm that the original text is back"},
        {"nothing copied back",
         [](auto& t) { t.editor.afterPaste = [&t] { t.editor.ignoresKeys = true; }; },
         "привет",
         {},
         "⚠️ Written without a read-back: not recorded, the keyboard stays"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        withoutAccessibleText();
        editor.ignoresKeys = false;
        editor.pasteFilter = {};
        editor.afterPaste = {};
        editor.undoesPaste = false;
        editor.text = "ghbdtn";
        editor.selectionStart = 0;
        editor.selectionEnd = 6;
        events.events.clear();
        fake.inputSources.selected.clear();
        fake.clipboard.content.formats = {{"image/png", "picture"}};
        c.arrange(*this);
        press();
        EXPECT_EQ(editor.text, c.text);
        EXPECT_EQ(events.events, c.events);
        EXPECT_TRUE(log.mentions(c.logLine));
        EXPECT_FALSE(log.contains("REPLACE SUCCEEDED"));
        EXPECT_TRUE(fake.inputSources.selected.empty());
        EXPECT_TRUE(settings.statistics().conversions().isEmpty());
        EXPECT_EQ(fake.clipboard.content.formats,
                  (std::vector<std::pair<std::string, std::string>>{{"image/png", "picture"}}));
        clock.advance(60s);
    }
}

// An application whose ordinary keys lag behind its shortcuts: the copy that reads the paste back
// waits until the selecting keys have taken effect, and the paste counts.
TEST_F(HotkeyServiceTest, ThePasteIsReadBackOnlyAfterTheSelectingKeysTookEffect) {
    withoutAccessibleText();
    editor.holdsPlainKeys = true;
    fake.clipboard.whileWaiting = [this] { editor.deliverHeldKeys(); };
    editor.text = "one\nghbdtn";
    editor.selectionStart = 4;
    editor.selectionEnd = 10;
    fake.clipboard.content.formats = {{"image/png", "picture"}};
    press();
    EXPECT_EQ(editor.text, "one\nпривет");
    EXPECT_TRUE(log.contains("✅ The pasted text reads back as intended"));
    EXPECT_EQ(events.events, (std::vector<std::string>{"performed English→Russian 6 clipboard"}));
    EXPECT_EQ(fake.clipboard.content.formats,
              (std::vector<std::pair<std::string, std::string>>{{"image/png", "picture"}}));
}

// A clipboard that could not be saved whole is never written over: neither way that pastes
// presses a key.
TEST_F(HotkeyServiceTest, AClipboardNotSavedWholeIsNotTouched) {
    for (const bool readable : {false, true}) {
        SCOPED_TRACE(readable ? "read through accessibility" : "copied with keys");
        if (readable) {
            auto element = std::make_shared<platform::fake::FakeTextElement>();
            element->text = "ghbdtn";
            element->selection = {0, 6};
            element->editable = false;
            fake.accessibility.element = element;
            editor.field = element;
        } else {
            withoutAccessibleText();
            editor.text = "ghbdtn";
            editor.selectionEnd = 6;
        }
        editor.presses.clear();
        events.events.clear();
        fake.clipboard.content.formats = {{"text/plain", "mine"}};
        fake.clipboard.content.truncated = true;
        const int writes = fake.clipboard.writes;
        press();
        EXPECT_TRUE(log.mentions("❌ The clipboard could not be saved whole"));
        EXPECT_TRUE(editor.presses.empty());
        EXPECT_EQ(fake.clipboard.writes, writes);
        EXPECT_EQ(events.events, (std::vector<std::string>{"failed no_selection"}));
        EXPECT_TRUE(settings.statistics().conversions().isEmpty());
    }
}

TEST_F(HotkeyServiceTest, ClipboardPathSelectsTheLineWhenNothingIsSelected) {
    withoutAccessibleText();
    editor.text = "first\nghbdtn";
    editor.selectionStart = editor.selectionEnd = 12;
    fake.clipboard.setText("the user's copy");
    press();
    EXPECT_EQ(editor.text, "first\nпривет");
    EXPECT_EQ(editor.presses, joined({{KEY_C, Modifier::Control},
                                      {KEY_HOME, Modifier::Shift},
                                      {KEY_C, Modifier::Control},
                                      {KEY_V, Modifier::Control}},
                                     readBackPresses(6)));
    EXPECT_EQ(fake.clipboard.text(), "the user's copy");
}

TEST_F(HotkeyServiceTest, ClipboardPathFailuresGiveTheClipboardBack) {
    struct Case {
        const char* name;
        std::function<void(HotkeyServiceTest&)> arrange;
        std::vector<std::string> events;
        bool pressedAnyKey;
    };
    const std::vector<Case> cases = {
        {"empty field", [](auto&) {}, {"failed no_selection"}, true},
        {"not recognised",
         [](auto& t) {
             t.editor.text = "😀😀";
             t.editor.selectionEnd = 2;
         },
         {"failed detection_failed"},
         true},
        {"blacklisted",
         [](auto& t) {
             t.editor.text = "ghbdtn";
             t.editor.selectionEnd = 6;
             t.settings.setBlacklistedApps({"org.xfce.mousepad"});
         },
         {},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        withoutAccessibleText();
        editor.text.clear();
        editor.selectionStart = editor.selectionEnd = 0;
        editor.presses.clear();
        settings.setBlacklistedApps({});
        events.events.clear();
        fake.clipboard.content.formats = {{"image/png", "picture"}};
        c.arrange(*this);
        press();
        EXPECT_EQ(events.events, c.events);
        EXPECT_EQ(fake.clipboard.content.formats,
                  (std::vector<std::pair<std::string, std::string>>{{"image/png", "picture"}}));
        EXPECT_EQ(!editor.presses.empty(), c.pressedAnyKey);
        EXPECT_EQ(std::count(editor.presses.begin(), editor.presses.end(),
                             Press{KEY_V, Modifier::Control}),
                  0);
    }
}

// A clipboard that keeps what it had when it is given one particular text.
class StubbornClipboard final : public FakeClipboard {
public:
    std::string refused;
    void setText(std::string_view text) override {
        if (text != refused) {
            FakeClipboard::setText(text);
        }
    }
};

// A paste that lost the text, where putting the original back cannot select anything: the
// clipboard still holds what this press put there, so the user's own comes back.
TEST_F(HotkeyServiceTest, TheClipboardComesBackWhenTheUndoCannotPaste) {
    auto element = std::make_shared<platform::fake::FakeTextElement>();
    element->text = "ghbdtn";
    element->selection = {0, 6};
    element->editable = false;
    fake.accessibility.element = element;
    editor.field = element;
    editor.pasteFilter = [](const std::string&) { return std::string(); };
    fake.clipboard.content.formats = {{"image/png", "picture"}};
    press();
    EXPECT_TRUE(log.mentions("⚠️ Could not select the text to paste over"));
    EXPECT_FALSE(log.mentions("Clipboard changed meanwhile"));
    EXPECT_EQ(fake.clipboard.content.formats,
              (std::vector<std::pair<std::string, std::string>>{{"image/png", "picture"}}));
    EXPECT_TRUE(settings.statistics().conversions().isEmpty());
}

// A paste that lost the text: the application's own undo takes it back.
TEST_F(HotkeyServiceTest, TheApplicationsUndoTakesBackAWrongPaste) {
    auto element = std::make_shared<platform::fake::FakeTextElement>();
    element->text = "one\nghbdtn";
    element->selection = {10, 0};
    element->editable = false;
    fake.accessibility.element = element;
    editor.field = element;
    editor.undoesPaste = true;
    editor.pasteFilter = [](const std::string&) { return std::string(); };
    fake.clipboard.content.formats = {{"image/png", "picture"}};
    press();
    EXPECT_EQ(element->text, "one\nghbdtn");
    EXPECT_TRUE(log.mentions("↩️ The application's undo put the original text back"));
    EXPECT_FALSE(log.mentions("could not be put back"));
    EXPECT_EQ(fake.clipboard.content.formats,
              (std::vector<std::pair<std::string, std::string>>{{"image/png", "picture"}}));
    EXPECT_TRUE(settings.statistics().conversions().isEmpty());
}

TEST(HotkeyServiceClipboard, ARefusedWriteIsNotPasted) {
    LogCapture log;
    QTemporaryDir directory;
    settings::Settings settings(directory.filePath("Korrelang.conf"));
    settings.setSelectedKeyboards(kTwo);
    FakePlatform fake;
    fake.accessibility.element = nullptr;
    StubbornClipboard clipboard;
    clipboard.refused = "привет";  // the copy lands, the converted text does not
    ScriptedEditor editor(clipboard);
    editor.text = "ghbdtn";
    editor.selectionEnd = 6;
    RecordingEvents events;
    RecordingNotices notices;
    FakeClock clock;
    AccessibilityService accessibility(fake.accessibility, fake.inputSources, fake.workspace);
    HotkeyService service({fake.inputSources, fake.accessibility, editor, clipboard, fake.workspace,
                           fake.hotKeys, fake.keyInterceptor},
                          accessibility, settings, events, notices, clock);
    clipboard.setText("mine");
    service.handleHotkey();
    service.waitForWorker();
    EXPECT_EQ(editor.text, "ghbdtn");
    EXPECT_EQ(clipboard.text(), "mine");
    EXPECT_TRUE(log.mentions("❌ Clipboard verification failed - text wasn't written correctly"));
    EXPECT_EQ(events.events, (std::vector<std::string>{"failed paste_failed"}));
    EXPECT_TRUE(settings.statistics().conversions().isEmpty());
}

TEST_F(HotkeyServiceTest, ASecondPressWhileTheWorkerRunsIsIgnored) {
    withoutAccessibleText();
    editor.text = "ghbdtn";
    editor.selectionEnd = 6;
    service.handleHotkey();
    // The worker cannot reach the clipboard until this thread serves it: still in progress.
    ASSERT_TRUE(service.isConversionInProgress());
    service.handleHotkey();
    EXPECT_TRUE(log.mentions("⚠️ Conversion already in progress, ignoring hotkey press"));
    service.waitForWorker();
    EXPECT_EQ(editor.text, "привет");
    EXPECT_EQ(
        std::count(editor.presses.begin(), editor.presses.end(), Press{KEY_V, Modifier::Control}),
        1);
}

// Slow applications: the line is copied with keys, and the paste counts only once read back.
TEST_F(HotkeyServiceTest, SlowApplicationsUseTheClipboardAndRestoreItBeforeTheNextPress) {
    fake.workspace.frontmost =
        platform::Application{.id = "jetbrains-pycharm-ce", .name = "PyCharm Community Edition"};
    editor.text = "ghbdtn";
    editor.selectionStart = editor.selectionEnd = 6;
    fake.clipboard.content.formats = {{"image/png", "picture"}};
    press();
    EXPECT_EQ(editor.text, "привет");
    EXPECT_EQ(editor.presses, joined({{KEY_END, Modifier::Shift},
                                      {KEY_HOME, Modifier::Shift},
                                      {KEY_C, Modifier::Control},
                                      {KEY_V, Modifier::Control}},
                                     readBackPresses(6)));
    EXPECT_EQ(fake.clipboard.content.formats,
              (std::vector<std::pair<std::string, std::string>>{{"image/png", "picture"}}));
    EXPECT_TRUE(fake.accessibility.focusLookups == 0) << "slow applications are not asked";
    EXPECT_EQ(events.events, (std::vector<std::string>{"performed English→Russian 6 clipboard"}));

    // A paste the application made something else of is undone there too, and not counted.
    clock.advance(60s);
    events.events.clear();
    editor.presses.clear();
    editor.text = "ghbdtn";
    editor.selectionStart = editor.selectionEnd = 6;
    editor.pasteFilter = [](const std::string& pasted) { return pasted + " "; };
    editor.undoesPaste = true;
    press();
    EXPECT_EQ(editor.text, "ghbdtn");
    EXPECT_TRUE(log.mentions("↩️ The application's undo put the original text back"));
    EXPECT_TRUE(log.mentions("Slow app: the text is as it was; declining"));
    EXPECT_EQ(fake.accessibility.focusLookups, 0);
    EXPECT_EQ(events.events, (std::vector<std::string>{"failed no_selection"}));
    EXPECT_EQ(fake.inputSources.selected.size(), 1U) << "switched by the first press only";
    EXPECT_EQ(fake.clipboard.content.formats,
              (std::vector<std::pair<std::string, std::string>>{{"image/png", "picture"}}));
}

TEST_F(HotkeyServiceTest, ANewerClipboardIsNotOverwritten) {
    for (const bool slow : {false, true}) {
        SCOPED_TRACE(slow);
        withoutAccessibleText();
        if (slow) {
            fake.workspace.frontmost =
                platform::Application{.id = "", .name = "Visual Studio Code - Insiders"};
        }
        editor.text = "ghbdtn";
        editor.selectionStart = 0;
        editor.selectionEnd = 6;
        fake.clipboard.setText("old copy");
        editor.afterPaste = [this] { fake.clipboard.setText("copied meanwhile"); };
        press();
        EXPECT_EQ(editor.text, "привет");
        EXPECT_EQ(fake.clipboard.text(), "copied meanwhile");
        clock.advance(60s);
    }
}

// An editor that copies its whole line when nothing is selected: that copy is no selection,
// and pasting it would add a line above instead of replacing the one typed.
TEST_F(HotkeyServiceTest, ALineCopiedWithoutASelectionIsNotPastedOver) {
    withoutAccessibleText();
    editor.copiesLineWithoutSelection = true;
    editor.text = "привет мир\nghbdtn vbh";
    editor.selectionStart = editor.selectionEnd = 21;
    fake.clipboard.content.formats = {{"image/png", "picture"}};
    press();
    EXPECT_EQ(editor.text, "привет мир\nпривет мир");
    EXPECT_EQ(
        std::count(editor.presses.begin(), editor.presses.end(), Press{KEY_V, Modifier::Control}),
        1);
    EXPECT_EQ(fake.clipboard.content.formats,
              (std::vector<std::pair<std::string, std::string>>{{"image/png", "picture"}}));
}

TEST(SlowAppWay, RecognisesSlowApplications) {
    struct Case {
        const char* id;
        const char* name;
        bool slow;
    };
    const Case cases[] = {
        {"Slack", "", true},
        {"slack", "Something", true},
        {"com.slack.Slack", "", true},
        {"com.discordapp.Discord", "", true},
        {"code-oss", "", true},
        {"jetbrains-idea", "IntelliJ IDEA", true},
        {"jetbrains-pycharm-ce", "", true},
        {"", "Visual Studio Code", true},
        {"", "Discord Canary", true},
        // Ids match whole (or by a family's prefix), and in their own case.
        {"SLACK", "slack", false},
        {"codeblocks", "Code::Blocks", false},
        {"org.jetbrains-idea", "", false},
        {"", "", false},
        {"org.xfce.mousepad", "Mousepad", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SlowAppWay::isSlowApp(c.id, c.name), c.slow) << c.id << " " << c.name;
    }
}

}  // namespace
}  // namespace korrelang::service

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
