#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <future>

#include "platform/qt/qt_clipboard.h"
#include "support/desktop_harness.h"

namespace korrelang::platform {
namespace {

using testing::Child;
using testing::runProgram;
using testing::waitUntil;
using Formats = std::vector<std::pair<std::string, std::string>>;

// The browser-like owner (lazy_selection_owner), stopped by its id when the test ends.
class LazyOwner {
public:
    explicit LazyOwner(const QStringList& arguments) {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QCoreApplication::applicationDirPath() + "/lazy_selection_owner",
                        arguments);
        m_ready = waitUntil([&] {
            m_process.waitForReadyRead(10);
            m_output += m_process.readAllStandardOutput().toStdString();
            return m_output.find("ready\n") != std::string::npos;
        });
    }
    ~LazyOwner() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            m_process.waitForFinished(5000);
        }
    }
    bool isReady() const { return m_ready; }
    /// The targets asked for so far, in order.
    std::vector<std::string> requests() {
        QCoreApplication::processEvents();
        m_output += m_process.readAllStandardOutput().toStdString();
        std::vector<std::string> list;
        std::size_t at = 0;
        while ((at = m_output.find("request ", at)) != std::string::npos) {
            const auto end = m_output.find('\n', at);
            list.push_back(m_output.substr(at + 8, end - at - 8));
            at = end;
        }
        return list;
    }

private:
    QProcess m_process;
    std::string m_output;
    bool m_ready = false;
};

std::optional<std::string> format(const Formats& formats, const std::string& type) {
    for (const auto& [name, bytes] : formats) {
        if (name == type) {
            return bytes;
        }
    }
    return std::nullopt;
}

std::vector<std::string> names(const Formats& formats) {
    std::vector<std::string> list;
    for (const auto& entry : formats) {
        list.push_back(entry.first);
    }
    return list;
}

class ClipboardSnapshotTest : public ::testing::Test {
protected:
    qt::QtClipboard clipboard;
};

TEST_F(ClipboardSnapshotTest, OneImageOfADozenIsFetchedAndEveryKeptFormatIsServedBack) {
    ClipboardSnapshot snapshot;
    {
        LazyOwner owner({"--text", "the user's text", "--size", "64x48"});
        ASSERT_TRUE(owner.isReady());
        snapshot = clipboard.snapshot(1 << 20);
        EXPECT_FALSE(snapshot.truncated);
        EXPECT_EQ(names(snapshot.formats), (std::vector<std::string>{"text/plain", "image/png"}));
        EXPECT_EQ(format(snapshot.formats, "text/plain"), "the user's text");
        // Not one of the eleven other encodings was made.
        EXPECT_EQ(owner.requests(), (std::vector<std::string>{"text/plain", "image/png"}));

        clipboard.setText("converted");
        EXPECT_EQ(runProgram("xclip", {"-o", "-selection", "clipboard"}), "converted");
    }  // The owner is gone from here on: what is served next comes from the restore.
    clipboard.restore(snapshot);
    const std::string targets =
        runProgram("xclip", {"-o", "-selection", "clipboard", "-t", "TARGETS"});
    EXPECT_NE(targets.find("image/png"), std::string::npos) << targets;
    EXPECT_NE(targets.find("UTF8_STRING"), std::string::npos) << targets;
    EXPECT_EQ(runProgram("xclip", {"-o", "-selection", "clipboard", "-t", "image/png"}),
              format(snapshot.formats, "image/png"));
    EXPECT_EQ(runProgram("xclip", {"-o", "-selection", "clipboard"}), "the user's text");
}

TEST_F(ClipboardSnapshotTest, TheMouseSelectionIsKeptAsItWas) {
    QTemporaryDir directory;
    const QString path = directory.filePath("primary.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("middle-click text");
    file.close();
    ClipboardSnapshot snapshot;
    {
        Child primary("xclip", {"-quiet", "-selection", "primary", "-i", path});
        LazyOwner owner({"--text", "copied text"});
        ASSERT_TRUE(owner.isReady());
        ASSERT_TRUE(waitUntil([&] {
            return runProgram("xclip", {"-o", "-selection", "primary"}) == "middle-click text";
        }));
        snapshot = clipboard.snapshot(1 << 20);
        EXPECT_EQ(snapshot.primary, (Formats{{"text/plain", "middle-click text"}}));

        // What selecting text with keys and pasting through the mouse selection do to both.
        clipboard.setPrimaryText("converted");
        clipboard.setText("converted");
        EXPECT_EQ(clipboard.primaryText(), "converted");
        EXPECT_EQ(runProgram("xclip", {"-o", "-selection", "primary"}), "converted");
    }
    clipboard.restore(snapshot);
    EXPECT_EQ(runProgram("xclip", {"-o", "-selection", "primary"}), "middle-click text");
    EXPECT_EQ(runProgram("xclip", {"-o", "-selection", "clipboard"}), "copied text");

    // Only the mouse selection, leaving the clipboard as it is.
    clipboard.setPrimaryText("again");
    clipboard.setText("newer copy");
    clipboard.restorePrimary(snapshot);
    EXPECT_EQ(runProgram("xclip", {"-o", "-selection", "primary"}), "middle-click text");
    EXPECT_EQ(runProgram("xclip", {"-o", "-selection", "clipboard"}), "newer copy");
}

TEST_F(ClipboardSnapshotTest, FormatsOverTheCapOrLateAreLeftOutAndSaid) {
    {
        LazyOwner owner({"--text", "caption", "--size", "400x300"});
        ASSERT_TRUE(owner.isReady());
        const auto snapshot = clipboard.snapshot(64 * 1024);  // the noise PNG is ~360 KB
        EXPECT_TRUE(snapshot.truncated);
        EXPECT_EQ(names(snapshot.formats), (std::vector<std::string>{"text/plain"}));
    }
    {
        // An owner that hangs on the image: the snapshot ends by its budget with what came.
        LazyOwner owner({"--text", "caption", "--size", "8x8", "--stall-ms", "4000"});
        ASSERT_TRUE(owner.isReady());
        const auto snapshot = clipboard.snapshot(1 << 20);
        EXPECT_TRUE(snapshot.truncated);
        EXPECT_EQ(names(snapshot.formats), (std::vector<std::string>{"text/plain"}));
    }
}

// Waiting for a copy instead of sleeping: the text of the next program to take the selection,
// whenever it comes; nothing when none does.
TEST_F(ClipboardSnapshotTest, AwaitNewTextReturnsWhatTheNextOwnerHolds) {
    using namespace std::chrono_literals;
    QTemporaryDir directory;
    const QString path = directory.filePath("copied.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("copied late");
    file.close();
    for (const bool primary : {false, true}) {
        SCOPED_TRACE(primary ? "PRIMARY" : "CLIPBOARD");
        const QString selection = primary ? "primary" : "clipboard";
        {
            Child owner("xclip", {"-quiet", "-selection", selection, "-i", path});
            ASSERT_TRUE(waitUntil([&] {
                return runProgram("xclip", {"-o", "-selection", selection}) == "copied late";
            }));
            // What was there before counting is no new copy.
            EXPECT_EQ(clipboard.awaitNewText(primary, clipboard.claims(primary), 200ms),
                      std::nullopt);
        }
        const std::uint64_t since = clipboard.claims(primary);
        Child late("sh",
                   {"-c", "sleep 0.3; exec xclip -quiet -selection " + selection + " -i " + path});
        EXPECT_EQ(clipboard.awaitNewText(primary, since, 10s), "copied late");
        EXPECT_GT(clipboard.claims(primary), since);
    }
}

TEST_F(ClipboardSnapshotTest, AWorkerThreadReadsWhatThisProcessOwns) {
    const std::string png("\x89PNG\r\n\x1a\n\0\1\2", 11);
    clipboard.restore({{{"text/plain", "ours"}, {"image/png", png}}, {}, false});
    // On the main thread, from Qt's own copy; on a worker, through the X server, which this
    // thread answers meanwhile.
    EXPECT_EQ(clipboard.snapshot(1 << 20).formats,
              (Formats{{"text/plain", "ours"}, {"image/png", png}}));
    auto fromWorker =
        std::async(std::launch::async, [this] { return clipboard.snapshot(1 << 20); });
    ASSERT_TRUE(waitUntil(
        [&] { return fromWorker.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
    const auto snapshot = fromWorker.get();
    EXPECT_FALSE(snapshot.truncated);
    EXPECT_EQ(format(snapshot.formats, "text/plain"), "ours");
    EXPECT_EQ(format(snapshot.formats, "image/png"), png);
}

}  // namespace
}  // namespace korrelang::platform
