#include "platform/gnome/gnome_clipboard.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <future>
#include <string>

#include "../support/desktop_harness.h"
#include "platform/gnome/shell_extension.h"

namespace korrelang::platform::gnome {
namespace {

using namespace std::chrono_literals;
using testing::waitUntil;

// A 1×1 PNG: content the shell carries as bytes, not as text.
const std::string kImage = QByteArray::fromHex(
                               "89504e470d0a1a0a0000000d4948445200000001000000010806000000"
                               "1f15c4890000000d49444154789c6360f8cf00000301010018dd8db00000"
                               "000049454e44ae426082")
                               .toStdString();

class GnomeClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(waitUntil([this] { return m_extension.isAvailable(); }));
    }

    // Another program taking a selection: straight to the shell, not through the clipboard
    // under test, which would count its own claim without waiting for the shell's signal.
    static void claimElsewhere(bool primary, const std::string& text) {
        QDBusMessage message = QDBusMessage::createMethodCall(
            ShellExtension::kShell, ShellExtension::kPath, ShellExtension::kInterface,
            QStringLiteral("SetClipboardContent"));
        message.setArguments({primary, QString::fromLatin1(GnomeClipboard::kTextType),
                              QByteArray::fromStdString(text)});
        ASSERT_EQ(QDBusConnection::sessionBus().call(message).type(), QDBusMessage::ReplyMessage);
    }

    // Runs `wait` on a worker, as the conversion does, while this thread serves the bus.
    static std::optional<std::string> awaitOnWorker(
        const std::function<std::optional<std::string>()>& wait,
        const std::function<void()>& meanwhile) {
        auto result = std::async(std::launch::async, wait);
        meanwhile();
        waitUntil([&] { return result.wait_for(0s) == std::future_status::ready; }, 5s);
        return result.get();
    }

    ShellExtension m_extension;
    GnomeClipboard m_clipboard{m_extension};
};

TEST_F(GnomeClipboardTest, SnapshotKeepsBothSelectionsAndRestoresThem) {
    ASSERT_TRUE(m_extension.setClipboardContent(false, "image/png", kImage));
    m_clipboard.setPrimaryText("mouse ✓");
    const ClipboardSnapshot saved = m_clipboard.snapshot(1 << 20);
    EXPECT_FALSE(saved.truncated);
    EXPECT_EQ(saved.formats, (decltype(saved.formats){{"image/png", kImage}}));
    EXPECT_EQ(saved.primary, (decltype(saved.primary){{"text/plain", "mouse ✓"}}));

    m_clipboard.setText("converted");
    m_clipboard.setPrimaryText("selected by keys");
    EXPECT_EQ(m_clipboard.text(), "converted");
    m_clipboard.restore(saved);
    EXPECT_EQ(m_clipboard.text(), std::nullopt);  // an image holds no text
    EXPECT_EQ(m_extension.clipboardContent(false, "image/png", 1 << 20, 500ms).bytes, kImage);
    EXPECT_EQ(m_clipboard.primaryText(), "mouse ✓");

    // Only the mouse selection: the clipboard stays as it is.
    m_clipboard.setPrimaryText("selected again");
    m_clipboard.setText("ours");
    m_clipboard.restorePrimary(saved);
    EXPECT_EQ(m_clipboard.primaryText(), "mouse ✓");
    EXPECT_EQ(m_clipboard.text(), "ours");
}

TEST_F(GnomeClipboardTest, FormatOverTheCapIsLeftOutAndCounted) {
    ASSERT_TRUE(m_extension.setClipboardContent(false, "image/png", kImage));
    const ClipboardSnapshot whole = m_clipboard.snapshot(kImage.size());
    EXPECT_FALSE(whole.truncated);
    const ClipboardSnapshot capped = m_clipboard.snapshot(kImage.size() - 1);
    EXPECT_TRUE(capped.truncated);
    EXPECT_TRUE(capped.formats.empty());
}

TEST_F(GnomeClipboardTest, OwnWriteCountsAtOnceAndAnotherProgramsClaimWakesTheWait) {
    const std::uint64_t before = m_clipboard.claims(false);
    m_clipboard.setText("ours");
    const std::uint64_t own = m_clipboard.claims(false);
    EXPECT_GT(own, before);

    // A claim of the mouse selection does not end a wait for the clipboard, and the other way.
    const std::uint64_t since = m_clipboard.claims(false);
    const std::uint64_t primarySince = m_clipboard.claims(true);
    const auto copied = awaitOnWorker([&] { return m_clipboard.awaitNewText(false, since, 3s); },
                                      [] {
                                          claimElsewhere(true, "selected");
                                          waitUntil([] { return false; }, 200ms);
                                          claimElsewhere(false, "copied ✓");
                                      });
    EXPECT_EQ(copied, "copied ✓");
    const auto selected =
        awaitOnWorker([&] { return m_clipboard.awaitNewText(true, primarySince, 3s); }, [] {});
    EXPECT_EQ(selected, "selected");

    // Nothing claims: the wait ends empty when its time is up.
    const std::uint64_t idle = m_clipboard.claims(false);
    EXPECT_EQ(awaitOnWorker([&] { return m_clipboard.awaitNewText(false, idle, 300ms); }, [] {}),
              std::nullopt);
}

}  // namespace
}  // namespace korrelang::platform::gnome
