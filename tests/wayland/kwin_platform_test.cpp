#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <memory>

#include "../support/desktop_harness.h"
#include "kwin_session_test.h"
#include "platform/key_codes.h"
#include "platform/portal/global_shortcuts_portal.h"
#include "platform/wayland/wayland_workspace.h"

namespace korrelang::platform::kwin {
namespace {

using testing::Child;
using testing::waitUntil;

// Key codes of the letters g h b d t n, which type "привет" on the Russian layout.
const std::vector<KeyCode> kGhbdtn = {KEY_G, KEY_H, KEY_B, KEY_D, KEY_T, KEY_N};

class KwinPlatformTest : public KwinSessionTest {
protected:
    static void SetUpTestSuite() {
        KwinSessionTest::SetUpTestSuite();
        s_mousepad = new Child(QStringLiteral("mousepad"), {QStringLiteral("--disable-server")});
    }
    static void TearDownTestSuite() {
        delete s_mousepad;
        KwinSessionTest::TearDownTestSuite();
    }

    static bool mousepadActive() {
        return waitUntil([] { return activeProcess() == s_mousepad->pid(); });
    }

    std::shared_ptr<TextElement> focusedText() {
        std::shared_ptr<TextElement> element;
        waitUntil([&] {
            element = m_accessibility.focusedElement().element;
            return element != nullptr;
        });
        return element;
    }

    static inline Child* s_mousepad = nullptr;
};

TEST_F(KwinPlatformTest, LayoutsListSelectAndReportChanges) {
    const auto sources = m_layouts.enabledSources();
    ASSERT_TRUE(sources);
    EXPECT_EQ(*sources, (std::vector<InputSource>{{"xkb.us.English", "English (US)"},
                                                  {"xkb.ru.Russian", "Russian"}}));
    int changes = 0;
    m_layouts.setChangeCallback([&] { ++changes; });

    EXPECT_EQ(m_layouts.selectSource("xkb.ru.Russian"), platform::SelectStatus::selected);
    EXPECT_EQ(m_layouts.currentSourceID(), "xkb.ru.Russian");
    EXPECT_TRUE(waitUntil([&] { return changes > 0; }));
    // The key's Latin letter, although the active layout types Cyrillic.
    EXPECT_EQ(m_layouts.keyText(KEY_Z), "z");
    EXPECT_EQ(m_layouts.keyText(KEY_Q), "q");

    EXPECT_EQ(m_layouts.selectSource("xkb.de.German"), platform::SelectStatus::notEnabled);
    EXPECT_EQ(m_layouts.selectSource("xkb.us.English"), platform::SelectStatus::selected);
    EXPECT_EQ(m_layouts.currentSourceID(), "xkb.us.English");

    // Switched by someone else (the user's layout key, the panel): seen once KWin says so.
    for (const auto& [index, id] : {std::pair{1U, "xkb.ru.Russian"}, {0U, "xkb.us.English"}}) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.kde.keyboard"), QStringLiteral("/Layouts"),
            QStringLiteral("org.kde.KeyboardLayouts"), QStringLiteral("setLayout"));
        call << index;
        ASSERT_EQ(QDBusConnection::sessionBus().call(call).type(), QDBusMessage::ReplyMessage);
        EXPECT_TRUE(waitUntil([&] { return m_layouts.currentSourceID() == id; })) << id;
    }
}

TEST_F(KwinPlatformTest, TheScriptReportsTheActiveWindow) {
    ASSERT_TRUE(s_window->isRunning());
    ASSERT_TRUE(mousepadActive());
    const wayland::WaylandWorkspace workspace([] {
        const auto window = s_window->current();
        return std::optional(wayland::WaylandWorkspace::FocusedWindow{
            window->desktopFile.empty() ? window->resourceClass : window->desktopFile,
            window->resourceClass, window->processId});
    });
    const auto application = workspace.frontmostApplication();
    ASSERT_TRUE(application);
    // KWin knows GTK 3 programs by their program name (X11 by the GTK application id).
    EXPECT_EQ(application->id, "mousepad");
    EXPECT_EQ(application->name, "Mousepad");
    EXPECT_EQ(application->processId, s_mousepad->pid());
    EXPECT_FALSE(application->terminal);
}

TEST_F(KwinPlatformTest, KeysAreTheLayoutsKeysAndIntentsMapToTheDesktopsKeys) {
    ASSERT_TRUE(s_keys->isAvailable());
    ASSERT_TRUE(mousepadActive());
    const auto element = focusedText();
    ASSERT_TRUE(element);
    ASSERT_EQ(element->setSelectedRange({0, 0}), AccessCode::success);

    // Physical keys: on the Russian layout they type Cyrillic.
    ASSERT_EQ(m_layouts.selectSource("xkb.ru.Russian"), platform::SelectStatus::selected);
    for (const KeyCode key : kGhbdtn) {
        ASSERT_TRUE(s_keys->simulateKeyPress(key, {}));
    }
    EXPECT_TRUE(waitUntil([&] { return text(element) == "привет"; })) << text(element);
    ASSERT_EQ(m_layouts.selectSource("xkb.us.English"), platform::SelectStatus::selected);

    // Shift+Home selects to the start of the line, Control+A selects everything.
    ASSERT_TRUE(s_keys->simulateKeyPress(KEY_HOME, Modifier::Shift));
    EXPECT_TRUE(waitUntil([&] { return element->selectedRange().value == TextRange{0, 6}; }));
    ASSERT_TRUE(s_keys->simulateKeyPress(KEY_RIGHT, {}));
    ASSERT_TRUE(s_keys->simulateKeyPress(KEY_A, Modifier::Control));
    EXPECT_TRUE(waitUntil([&] { return element->selectedRange().value == TextRange{0, 6}; }));

    // Command+V pastes what another program put on the clipboard.
    ASSERT_EQ(QProcess::execute(QStringLiteral("wl-copy"), {QStringLiteral("мир")}), 0);
    ASSERT_TRUE(s_keys->simulateKeyPress(KEY_V, Modifier::Control));
    EXPECT_TRUE(waitUntil([&] { return text(element) == "мир"; })) << text(element);
}

TEST_F(KwinPlatformTest, ThePortalBindsTheChordAndReportsPressAndRelease) {
    portal::GlobalShortcutsPortal portal;
    ASSERT_TRUE(portal.isAvailable());
    int presses = 0;
    int releases = 0;
    const auto registration = portal.registerHotKey(
        KEY_SPACE, Modifier::Control | Modifier::Shift, [&] { ++presses; }, [&] { ++releases; });
    ASSERT_TRUE(registration.succeeded());
    ASSERT_TRUE(
        waitUntil([&] { return portal.state() == portal::GlobalShortcutsPortal::State::bound; }));
    EXPECT_TRUE(portal.trigger(registration.id)) << "no trigger reported";
    // The chord, injected: Control+Shift+Space.
    ASSERT_TRUE(s_keys->simulateKeyPress(KEY_SPACE, Modifier::Control | Modifier::Shift));
    EXPECT_TRUE(waitUntil([&] { return presses == 1 && releases == 1; }))
        << presses << " presses, " << releases << " releases";
}

}  // namespace
}  // namespace korrelang::platform::kwin
