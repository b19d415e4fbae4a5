// The real korrelang in the private desktop, against a real mousepad: the hotkey is pressed
// with xdotool and the result is read back through AT-SPI (or through the clipboard when the
// editor's accessibility is off).
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QProcess>

#include "platform/x11/x11_workspace.h"
#include "platform/x11/xkb_input_sources.h"
#include "settings/settings.h"
#include "support/accessible_desktop.h"
#include "support/desktop_harness.h"
#include "support/korrelang_process.h"

namespace korrelang {
namespace {

using testing::Mousepad;
using testing::runProgram;
using testing::tapKey;
using testing::waitUntil;

constexpr unsigned kShift = 50;  // X keycodes
constexpr unsigned kKeyA = 38;
constexpr unsigned kBackSpace = 22;

/// The korrelang built beside this test.
class Korrelang : public testing::KorrelangProcess {
public:
    Korrelang() : KorrelangProcess(KORRELANG_BINARY) {}
};

class ConversionServiceTest : public ::testing::Test, protected testing::AccessibleDesktop {
protected:
    void TearDown() override { layouts.selectSource("xkb.us.English"); }

    // Written before korrelang starts, which reads them at launch.
    void configure(const QStringList& keyboards, const QStringList& blacklist = {},
                   bool smartCapitalization = false) {
        settings::Settings settings;
        settings.setHasCompletedFirstLaunch(true);
        settings.setSelectedKeyboards(keyboards);
        settings.setBlacklistedApps(blacklist);
        settings.setSmartCapitalization(smartCapitalization);
        settings.setAutoSwitchKeyboard(true);
        settings.setKeepSelectionAfterConversion(true);
    }

    static void pressHotkey() {
        runProgram("xdotool", {"key", "--clearmodifiers", "ctrl+shift+space"});
    }

    platform::x11::XkbInputSources layouts{display};
    platform::x11::X11Workspace workspace{display};
};

const QStringList kEnglishRussian{"xkb.us.English", "xkb.ru.Russian"};

TEST_F(ConversionServiceTest, ConvertsTheSelectionAndSwitchesTheKeyboard) {
    configure(kEnglishRussian);
    Korrelang korrelang;
    ASSERT_TRUE(korrelang.isReady());
    Mousepad editor;
    ASSERT_TRUE(editor.isReady());
    editor.type("ghbdtn");
    ASSERT_TRUE(fieldShows("ghbdtn"));
    editor.key("ctrl+a");
    pressHotkey();
    EXPECT_TRUE(fieldShows("привет"));
    EXPECT_TRUE(waitUntil([&] { return layouts.currentSourceID() == "xkb.ru.Russian"; }));
}

TEST_F(ConversionServiceTest, ConvertsTheLineBeforeTheCaret) {
    configure(kEnglishRussian);
    Korrelang korrelang;
    ASSERT_TRUE(korrelang.isReady());
    Mousepad editor;
    ASSERT_TRUE(editor.isReady());
    editor.type("first line");
    editor.key("Return");
    editor.type("ghbdtn");
    ASSERT_TRUE(fieldShows("first line\nghbdtn"));
    pressHotkey();
    ASSERT_TRUE(fieldShows("first line\nпривет"));

    // The same through the running instance's bus method, as a desktop's own shortcut would.
    editor.key("Return");
    editor.type("vbh");
    ASSERT_TRUE(fieldShows("first line\nпривет\nvbh"));
    EXPECT_EQ(runProgram(KORRELANG_BINARY, {"--convert"}), "");
    EXPECT_TRUE(fieldShows("first line\nпривет\nмир"));
}

TEST_F(ConversionServiceTest, CyclesThroughThreeLayouts) {
    configure({"xkb.us.English", "xkb.ru.Russian", "xkb.il.Hebrew"});
    Korrelang korrelang;
    ASSERT_TRUE(korrelang.isReady());
    Mousepad editor;
    ASSERT_TRUE(editor.isReady());
    editor.type("ghbdtn");
    ASSERT_TRUE(fieldShows("ghbdtn"));
    editor.key("ctrl+a");
    // Three selected keyboards keep the selection, so each press works on the last result.
    for (const char* expected : {"привет", "עינגאמ", "ghbdtn", "привет"}) {
        SCOPED_TRACE(expected);
        pressHotkey();
        ASSERT_TRUE(fieldShows(expected));
    }
}

TEST_F(ConversionServiceTest, ABlacklistedEditorOnlyBeeps) {
    Mousepad editor;
    ASSERT_TRUE(editor.isReady());
    const auto app = workspace.frontmostApplication();
    ASSERT_TRUE(app.has_value());
    configure(kEnglishRussian, {QString::fromStdString(app->id)});
    Korrelang korrelang;
    ASSERT_TRUE(korrelang.isReady());
    runProgram("xdotool", {"windowactivate", "--sync", QString::fromStdString(editor.window())});
    editor.type("ghbdtn");
    ASSERT_TRUE(fieldShows("ghbdtn"));
    editor.key("ctrl+a");
    pressHotkey();
    ASSERT_TRUE(korrelang.waitForLine("🚫 Current app is blacklisted, skipping conversion"));
    EXPECT_TRUE(korrelang.waitForLine("🔥 HOTKEY PRESSED"));
    EXPECT_EQ(korrelang.linesWith("Recorded conversion"), 0);
    EXPECT_TRUE(fieldShows("ghbdtn"));
}

// The editor without its accessibility bridge: only the clipboard path can convert, and the
// user's clipboard, whatever it holds, is there again afterwards.
TEST_F(ConversionServiceTest, ConvertsThroughTheClipboardAndGivesItBack) {
    struct Case {
        const char* name;
        QString format;
        QByteArray bytes;
    };
    const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    const Case cases[] = {{"text", "text/plain", "the user's copy"}, {"image", "image/png", png}};
    configure(kEnglishRussian);
    Korrelang korrelang;
    ASSERT_TRUE(korrelang.isReady());
    int conversions = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Mousepad editor(false);
        ASSERT_TRUE(editor.isReady());
        editor.type("ghbdtn");
        editor.key("ctrl+a");
        auto* data = new QMimeData;
        data->setData(c.format, c.bytes);
        QApplication::clipboard()->setMimeData(data);
        ASSERT_TRUE(waitUntil([] { return QApplication::clipboard()->ownsClipboard(); }));

        pressHotkey();
        ASSERT_TRUE(korrelang.waitForLine("✅ Clipboard conversion succeeded!", ++conversions));
        EXPECT_TRUE(korrelang.linesWith("✅ Restored original clipboard") == conversions);
        const QMimeData* back = QApplication::clipboard()->mimeData();
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->data(c.format), c.bytes);

        // What the editor holds now, read the way a user would.
        editor.key("ctrl+a");
        editor.key("ctrl+c");
        EXPECT_TRUE(waitUntil([] { return QApplication::clipboard()->text() == "привет"; }))
            << QApplication::clipboard()->text().toStdString();
    }
}

// An owner that does not deliver every format within the snapshot's budget (a browser stuck
// encoding a photo): the clipboard cannot be saved whole, so nothing writes over it, and the
// owner keeps it.
TEST_F(ConversionServiceTest, AClipboardThatCannotBeSavedWholeIsLeftAlone) {
    configure(kEnglishRussian);
    Korrelang korrelang;
    ASSERT_TRUE(korrelang.isReady());
    Mousepad editor(false);
    ASSERT_TRUE(editor.isReady());
    editor.type("ghbdtn");
    editor.key("ctrl+a");
    QProcess owner;
    owner.start(QCoreApplication::applicationDirPath() + "/lazy_selection_owner",
                {"--text", "the user's copy", "--size", "8x8", "--stall-ms", "3000"});
    ASSERT_TRUE(waitUntil([&] {
        owner.waitForReadyRead(10);
        return owner.readAllStandardOutput().contains("ready");
    }));

    pressHotkey();
    ASSERT_TRUE(korrelang.waitForLine("❌ The clipboard could not be saved whole"));
    EXPECT_TRUE(korrelang.waitForLine("🔊 BEEP"));
    EXPECT_EQ(korrelang.linesWith("Pasting converted text"), 0);
    EXPECT_EQ(korrelang.linesWith("Recorded conversion"), 0);
    // Once the stalled request is over, the owner still serves its text: it never lost the
    // clipboard (it exits when it does).
    EXPECT_TRUE(waitUntil([] {
        return runProgram("xclip", {"-o", "-selection", "clipboard"}) == "the user's copy";
    }));
    EXPECT_EQ(owner.state(), QProcess::Running);
    owner.terminate();
    owner.waitForFinished(5000);

    editor.key("ctrl+a");
    editor.key("ctrl+c");
    EXPECT_TRUE(waitUntil([] { return QApplication::clipboard()->text() == "ghbdtn"; }))
        << QApplication::clipboard()->text().toStdString();
}

TEST_F(ConversionServiceTest, SmartCapitalizationTypesLatinCapitalsOnThai) {
    configure({"xkb.us.English", "xkb.th.Thai"}, {}, true);
    Korrelang korrelang;
    ASSERT_TRUE(korrelang.isReady());
    ASSERT_TRUE(korrelang.waitForLine("✅ Smart Capitalization Monitor active"));
    Mousepad editor;
    ASSERT_TRUE(editor.isReady());
    ASSERT_EQ(layouts.selectSource("xkb.th.Thai"), platform::SelectStatus::selected);
    // The grab follows the layout change asynchronously: until it is in place Shift+a types
    // the Thai character, which is taken back and the key pressed again.
    bool capital = false;
    for (int attempt = 0; attempt < 50 && !capital; ++attempt) {
        tapKey(kKeyA, {kShift});
        std::optional<std::string> value;
        platform::FocusLookup lookup;
        if (!waitUntil([&] {
                lookup = accessibility.focusedElement();
                value = lookup.element ? lookup.element->value().value : std::nullopt;
                return value && !value->empty();
            })) {
            std::printf("attempt %d: application %d, element %d, value \"%s\", window %s/%s\n",
                        attempt, lookup.applicationCode, lookup.elementCode,
                        value ? value->c_str() : "(none)", testing::activeWindow().c_str(),
                        editor.window().c_str());
            break;
        }
        capital = value == "A";
        if (!capital) {
            tapKey(kBackSpace);
            ASSERT_TRUE(fieldShows(""));
        }
    }
    EXPECT_TRUE(capital);
    if (!capital) {
        korrelang.waitForLine("(print everything)", 1);
    }
}

}  // namespace
}  // namespace korrelang
