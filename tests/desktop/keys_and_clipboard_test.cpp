#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "platform/qt/qt_clipboard.h"
#include "platform/x11/xtest_synthetic_keys.h"
#include "support/accessible_desktop.h"
#include "support/desktop_harness.h"

namespace korrelang::platform {
namespace {

using testing::Child;
using testing::Mousepad;
using testing::runProgram;
using testing::waitUntil;

class KeysAndClipboardTest : public ::testing::Test, protected testing::AccessibleDesktop {
protected:
    x11::XTestSyntheticKeys keys;
    qt::QtClipboard clipboard;
};

TEST_F(KeysAndClipboardTest, CopiesAndPastesThroughTheClipboard) {
    Mousepad editor;
    ASSERT_TRUE(editor.isReady());
    editor.type("ghbdtn");
    ASSERT_TRUE(fieldShows("ghbdtn"));

    ASSERT_TRUE(keys.simulateKeyPress(KEY_A, Modifier::Control));
    ASSERT_TRUE(keys.simulateKeyPress(KEY_C, Modifier::Control));
    EXPECT_TRUE(
        waitUntil([&] { return clipboard.text() == std::optional<std::string>("ghbdtn"); }));

    clipboard.setText("привет");
    ASSERT_TRUE(keys.simulateKeyPress(KEY_V, Modifier::Control));
    EXPECT_TRUE(fieldShows("привет"));
}

TEST_F(KeysAndClipboardTest, ModifiersTheUserStillHoldsAreReleasedBeforeThePaste) {
    Mousepad editor;
    ASSERT_TRUE(editor.isReady());
    clipboard.setText("pasted");
    // As right after Control+Shift+Space: GTK pastes nothing while Control+Shift are down.
    runProgram("xdotool", {"keydown", "ctrl+shift"});
    ASSERT_TRUE(keys.simulateKeyPress(KEY_V, Modifier::Control));
    EXPECT_TRUE(fieldShows("pasted"));
}

TEST_F(KeysAndClipboardTest, AWriteTakesTheClipboardFromAMoreRecentOwner) {
    // This process sees an event (Qt watches the root window's properties)...
    runProgram("xprop", {"-root", "-f", "_KORRELANG_TEST", "8s", "-set", "_KORRELANG_TEST", "x"});
    QCoreApplication::processEvents();
    // ...then xclip claims the clipboard, later than that event: a claim made with the time of
    // the event would be ignored by the server.
    Child owner("xclip", {"-quiet", "-selection", "clipboard", "-i", "/dev/null"});
    ASSERT_TRUE(waitUntil([&] {
        return runProgram("xclip", {"-o", "-selection", "clipboard", "-t", "TARGETS"})
                   .find("STRING") != std::string::npos;
    }));
    clipboard.setText("ours");
    EXPECT_EQ(runProgram("xclip", {"-o", "-selection", "clipboard"}), "ours");
}

// The paste way reads the field back only once the application has fetched the text.
TEST_F(KeysAndClipboardTest, NotesWhenAnotherProgramFetchesTheText) {
    clipboard.setText("ours");
    EXPECT_EQ(clipboard.text(), std::optional<std::string>("ours"));
    EXPECT_FALSE(clipboard.textWasFetched()) << "our own read is no paste";
    runProgram("xclip", {"-o", "-selection", "clipboard", "-t", "TARGETS"});
    EXPECT_FALSE(clipboard.textWasFetched()) << "asking for the formats fetches nothing";
    EXPECT_EQ(runProgram("xclip", {"-o", "-selection", "clipboard"}), "ours");
    EXPECT_TRUE(clipboard.textWasFetched());
    clipboard.setText("next");
    EXPECT_FALSE(clipboard.textWasFetched()) << "each text starts unfetched";
}

TEST_F(KeysAndClipboardTest, ATerminalGetsNoKeyAShellTakesAsACommand) {
    QTemporaryDir directory;
    const QString received = directory.filePath("received");
    const QString logger = directory.filePath("logger.py");
    QFile script(logger);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(
        "import os, signal, sys\n"
        "log = open(sys.argv[1], 'ab', buffering=0)\n"
        "signal.signal(signal.SIGINT, lambda *_: log.write(b'<SIGINT>'))\n"
        "while True:\n"
        "    data = os.read(0, 4096)\n"
        "    log.write(data)\n");
    script.close();
    QFile(received).open(QIODevice::WriteOnly);
    // Under a name no list of terminals holds.
    Child terminal("xterm", {"-class", "Notes", "-e", "/usr/bin/python3", logger, received});
    ASSERT_TRUE(waitUntil([&] {
        const auto window = activeWindow.query();
        return window && window->pid == terminal.pid();
    }));
    QThread::msleep(300);  // the program is reading

    for (const auto& [key, flags] : {std::pair<KeyCode, Modifiers>{KEY_C, Modifier::Control},
                                     {KEY_C, Modifier::Control | Modifier::Shift},
                                     {KEY_A, Modifier::Control},
                                     {KEY_HOME, Modifier::Shift},
                                     {KEY_RIGHT, {}}}) {
        EXPECT_FALSE(keys.simulateKeyPress(key, flags)) << key << " " << flags.text();
    }
    EXPECT_TRUE(keys.simulateKeyPress(KEY_BACKSPACE, {}));
    testing::tapKey(36);  // Return: the program reads the line
    ASSERT_TRUE(waitUntil([&] {
        QFile file(received);
        return file.open(QIODevice::ReadOnly) && file.readAll().endsWith('\n');
    }));
    QFile file(received);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\n"));  // no ^C, no signal, no stray byte
}

TEST_F(KeysAndClipboardTest, ASnapshotRestoresAnImageByteForByte) {
    QTemporaryDir directory;
    const QString path = directory.filePath("picture.png");
    QByteArray image("\x89PNG\r\n\x1a\n", 8);
    for (int i = 0; i < 4096; ++i) {
        image.append(static_cast<char>((i * 7919) & 0xff));  // every byte value, including NUL
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(image);
    file.close();

    {
        // Another program owns the clipboard, offering only an image.
        Child owner("xclip", {"-quiet", "-selection", "clipboard", "-t", "image/png", "-i", path});
        ASSERT_TRUE(waitUntil([&] {
            const auto formats = clipboard.snapshot(1 << 20).formats;
            return std::any_of(formats.begin(), formats.end(),
                               [](const auto& format) { return format.first == "image/png"; });
        }));
        const auto snapshot = clipboard.snapshot(1 << 20);
        EXPECT_FALSE(snapshot.truncated);
        EXPECT_EQ(clipboard.text(), std::nullopt);

        // A limit below the image's size leaves it out, and says so.
        ASSERT_EQ(snapshot.formats.size(), 1u);
        EXPECT_EQ(snapshot.formats[0].first, "image/png");
        const auto capped = clipboard.snapshot(100);
        EXPECT_TRUE(capped.truncated);
        EXPECT_TRUE(capped.formats.empty());

        clipboard.setText("converted text");
        EXPECT_TRUE(waitUntil([&] { return !owner.isRunning(); }));  // xclip lost the selection
        EXPECT_EQ(runProgram("xclip", {"-o", "-selection", "clipboard"}), "converted text");

        clipboard.restore(snapshot);
    }
    const std::string restored =
        runProgram("xclip", {"-o", "-selection", "clipboard", "-t", "image/png"});
    EXPECT_EQ(restored, image.toStdString());
}

}  // namespace
}  // namespace korrelang::platform
