// The real korrelang in a headless KWin session, against Mousepad (GTK 3) and a Qt 6 field, both
// native Wayland clients: the chord goes in through fake input and comes back through the
// GlobalShortcuts portal, the text is read back through AT-SPI.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <memory>

#include "../support/desktop_harness.h"
#include "kwin_session_test.h"
#include "platform/key_codes.h"

namespace korrelang::platform::kwin {
namespace {

using testing::Child;
using testing::waitUntil;

const QString kSession = qEnvironmentVariable("KORRELANG_SESSION_DIR");

// korrelang, started from a settings file of the test's making, its log in the session.
class Korrelang {
public:
    explicit Korrelang(const QString& extraSettings = {}) {
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Korrelang";
        QDir().mkpath(config);
        QFile settings(config + "/Korrelang.conf");
        settings.open(QIODevice::WriteOnly | QIODevice::Truncate);
        settings.write(("[General]\nhasCompletedFirstLaunch=true\nhasAcceptedTerms=true\n"
                        "selectedKeyboards=xkb.us.English, xkb.ru.Russian\n"
                        "smartCapitalization=false\nstartAtLogin=false\nanalyticsEnabled=false\n"
                        "autoSwitchKeyboard=true\n" +
                        extraSettings)
                           .toUtf8());
        settings.close();
        m_log = kSession + "/korrelang.log";
        m_process.setStandardOutputFile(m_log, QIODevice::Append);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(QStringLiteral(KORRELANG_BINARY), {});
        // Ready once the bus name is taken and the desktop bound the shortcut.
        m_ready = waitUntil(
            [&] {
                return QDBusConnection::sessionBus()
                           .interface()
                           ->isServiceRegistered(QStringLiteral("org.korrelang.Korrelang"))
                           .value() &&
                       log().contains("The desktop binds the shortcut to");
            },
            std::chrono::seconds(20));
    }
    ~Korrelang() {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }
    bool ready() const { return m_ready; }
    QString log() const {
        QFile file(m_log);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    QProcess m_process;
    QString m_log;
    bool m_ready = false;
};

QByteArray pngImage() {
    QImage image(48, 32, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The clipboard as another program sees it, through data-control.
QByteArray paste(const QString& type) {
    QProcess process;
    process.start(QStringLiteral("wl-paste"),
                  {QStringLiteral("--no-newline"), QStringLiteral("--type"), type});
    process.waitForFinished(5000);
    return process.readAllStandardOutput();
}

void copy(const QString& type, const QByteArray& bytes) {
    QProcess process;
    process.start(QStringLiteral("wl-copy"), {QStringLiteral("--type"), type});
    process.write(bytes);
    process.closeWriteChannel();
    process.waitForFinished(5000);
}

class KwinEndToEndTest : public KwinSessionTest {
protected:
    // Starts an editor and waits for its focused text.
    std::shared_ptr<TextElement> open(const QString& program, const QStringList& arguments) {
        m_editor = std::make_unique<Child>(program, arguments,
                                           QStringList{"QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1"});
        std::shared_ptr<TextElement> element;
        waitUntil([&] {
            if (activeProcess() != m_editor->pid()) {
                return false;
            }
            element = m_accessibility.focusedElement().element;
            return element != nullptr;
        });
        return element;
    }

    static void chord() {
        ASSERT_TRUE(s_keys->simulateKeyPress(KEY_SPACE, Modifier::Control | Modifier::Shift));
    }

    // Gives the element `content` with the caret at its end.
    static void fill(const std::shared_ptr<TextElement>& element, const std::string& content) {
        const auto characters = [](const std::string& utf8) {
            return static_cast<long>(QString::fromStdString(utf8).size());
        };
        const long length = characters(text(element));
        if (length > 0) {
            EXPECT_EQ(element->deleteText({0, length}), AccessCode::success);
        }
        EXPECT_EQ(element->insertText(0, content), AccessCode::success);
        EXPECT_TRUE(waitUntil([&] { return text(element) == content; })) << text(element);
        EXPECT_EQ(element->setSelectedRange({characters(content), 0}), AccessCode::success);
    }

    std::unique_ptr<Child> m_editor;
};

TEST_F(KwinEndToEndTest, MousepadSelectionLineCycleSwitchAndTheClipboard) {
    Korrelang korrelang;
    ASSERT_TRUE(korrelang.ready()) << korrelang.log().toStdString();
    EXPECT_TRUE(korrelang.log().contains("Desktop back end: KWin"));
    const auto element = open(QStringLiteral("mousepad"), {QStringLiteral("--disable-server")});
    ASSERT_TRUE(element);
    const QByteArray image = pngImage();
    copy(QStringLiteral("image/png"), image);
    ASSERT_EQ(paste(QStringLiteral("image/png")), image);

    // The selection.
    fill(element, "ghbdtn vbh");
    ASSERT_EQ(element->setSelectedRange({0, 10}), AccessCode::success);
    chord();
    EXPECT_TRUE(waitUntil([&] { return text(element) == "привет мир"; }))
        << text(element) << korrelang.log().toStdString();
    // The keyboard follows the converted text.
    EXPECT_TRUE(waitUntil([&] { return m_layouts.currentSourceID() == "xkb.ru.Russian"; }));
    ASSERT_EQ(m_layouts.selectSource("xkb.us.English"), platform::SelectStatus::selected);

    // The line before the caret, then the cycle: the next press gives the original back.
    copy(QStringLiteral("text/plain;charset=utf-8"), "keep this");
    fill(element, "first line\nghbdtn vbh");
    chord();
    EXPECT_TRUE(waitUntil([&] { return text(element) == "first line\nпривет мир"; }))
        << text(element);
    chord();
    EXPECT_TRUE(waitUntil([&] { return text(element) == "first line\nghbdtn vbh"; }))
        << text(element);
    chord();
    EXPECT_TRUE(waitUntil([&] { return text(element) == "first line\nпривет мир"; }))
        << text(element);
    // Korrelang switches to the layout it converted to after writing: let that land first.
    EXPECT_TRUE(waitUntil([&] { return m_layouts.currentSourceID() == "xkb.ru.Russian"; }));
    ASSERT_EQ(m_layouts.selectSource("xkb.us.English"), platform::SelectStatus::selected);

    // A binding of the desktop's own to `korrelang --convert`.
    fill(element, "ghbdtn");
    ASSERT_EQ(element->setSelectedRange({0, 6}), AccessCode::success);
    EXPECT_EQ(QProcess::execute(QStringLiteral(KORRELANG_BINARY), {QStringLiteral("--convert")}),
              0);
    EXPECT_TRUE(waitUntil([&] { return text(element) == "привет"; })) << text(element);
    ASSERT_EQ(m_layouts.selectSource("xkb.us.English"), platform::SelectStatus::selected);

    EXPECT_EQ(paste(QStringLiteral("text/plain;charset=utf-8")), "keep this");
}

TEST_F(KwinEndToEndTest, AQtFieldOnWayland) {
    Korrelang korrelang;
    ASSERT_TRUE(korrelang.ready()) << korrelang.log().toStdString();
    const auto element = open(QStringLiteral(KORRELANG_QT_FIELD), {QStringLiteral("ghbdtn vbh")});
    ASSERT_TRUE(element);
    chord();
    EXPECT_TRUE(waitUntil([&] { return text(element) == "привет мир"; }))
        << text(element) << korrelang.log().toStdString();
    // Korrelang switches to the layout it converted to after writing: let that land first.
    EXPECT_TRUE(waitUntil([&] { return m_layouts.currentSourceID() == "xkb.ru.Russian"; }));
    ASSERT_EQ(m_layouts.selectSource("xkb.us.English"), platform::SelectStatus::selected);
}

TEST_F(KwinEndToEndTest, ABlacklistedApplicationIsLeftAlone) {
    Korrelang korrelang(QStringLiteral("blacklistedApps=mousepad\n"));
    ASSERT_TRUE(korrelang.ready()) << korrelang.log().toStdString();
    const auto element = open(QStringLiteral("mousepad"), {QStringLiteral("--disable-server")});
    ASSERT_TRUE(element);
    fill(element, "ghbdtn");
    ASSERT_EQ(element->setSelectedRange({0, 6}), AccessCode::success);
    chord();
    EXPECT_TRUE(waitUntil([&] { return korrelang.log().contains("blacklisted"); }))
        << korrelang.log().toStdString();
    EXPECT_EQ(text(element), "ghbdtn");
}

}  // namespace
}  // namespace korrelang::platform::kwin
