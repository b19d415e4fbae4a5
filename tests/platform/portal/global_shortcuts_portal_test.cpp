#include "platform/portal/global_shortcuts_portal.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QProcess>
#include <QSignalSpy>
#include <memory>

#include "platform/key_codes.h"
#include "platform/portal/portal_reply.h"
#include "platform/portal/trigger_text.h"

namespace korrelang::platform::portal {
namespace {

constexpr Modifiers kControlShift = Modifier::Control | Modifier::Shift;

bool waitFor(const std::function<bool()>& condition, int milliseconds = 5000) {
    QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// The stand-in portal of one flow, on the private session bus the test runs on.
class StandIn {
public:
    explicit StandIn(const QString& mode) {
        m_process.start(QStringLiteral("/usr/bin/python3"),
                        {QStringLiteral(KORRELANG_STANDIN_PORTAL), mode});
        const auto bus = QDBusConnection::sessionBus().interface();
        m_ready = waitFor([&] {
            return bus->isServiceRegistered(QStringLiteral("org.freedesktop.portal.Desktop"))
                .value();
        });
    }
    ~StandIn() {
        m_process.terminate();
        m_process.waitForFinished(3000);
        waitFor([] {
            return !QDBusConnection::sessionBus()
                        .interface()
                        ->isServiceRegistered(QStringLiteral("org.freedesktop.portal.Desktop"))
                        .value();
        });
    }
    bool ready() const { return m_ready; }

    void press(const QString& id, bool down) { control(QStringLiteral("Press"), {id, down}); }
    void change(const QString& id, const QString& text) {
        control(QStringLiteral("Change"), {id, text});
    }
    QStringList calls() {
        const QDBusMessage reply = control(QStringLiteral("Calls"), {});
        return reply.arguments().value(0).toStringList();
    }

private:
    QDBusMessage control(const QString& method, const QVariantList& arguments) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.portal.Desktop"), QStringLiteral("/control"),
            QStringLiteral("org.korrelang.test.Control"), method);
        call.setArguments(arguments);
        return QDBusConnection::sessionBus().call(call);
    }

    QProcess m_process;
    bool m_ready = false;
};

struct Presses {
    int down = 0;
    int up = 0;
};

TEST(PortalReplyTest, ResponseCodes) {
    const std::vector<std::pair<unsigned, PortalReply::Outcome>> cases = {
        {0, PortalReply::Outcome::success},
        {1, PortalReply::Outcome::cancelled},
        {2, PortalReply::Outcome::failed},
        {77, PortalReply::Outcome::failed},
    };
    for (const auto& [code, outcome] : cases) {
        EXPECT_EQ(PortalReply::outcome(code), outcome) << code;
    }
}

TEST(PortalReplyTest, TriggersFromAListAndNothingFromOtherShapes) {
    PortalReply::registerTypes();
    const PortalShortcutList list = {
        {QStringLiteral("a"), {{QStringLiteral("trigger_description"), QStringLiteral("Ctrl+X")}}},
        {QStringLiteral("b"), {}},
    };
    const auto triggers = PortalReply::triggers(QVariant::fromValue(list));
    EXPECT_EQ(triggers, (std::map<std::string, std::string>{{"a", "Ctrl+X"}, {"b", ""}}));
    EXPECT_TRUE(PortalReply::triggers(QVariant(QStringLiteral("Ctrl+X"))).empty());
    EXPECT_TRUE(PortalReply::triggers(QVariant()).empty());
}

TEST(TriggerTextTest, ModifiersInOrderThenTheUsKeysym) {
    struct Case {
        KeyCode key;
        platform::Modifiers modifiers;
        std::optional<std::string> text;
    };
    const std::vector<Case> cases = {
        {KEY_SPACE, kControlShift, "CTRL+SHIFT+space"},
        {KEY_Z, Modifier::Alt | Modifier::Control, "CTRL+ALT+z"},
        {KEY_A, Modifier::Super, "LOGO+a"},
        {KEY_LEFT, {}, "Left"},
        {KEY_RESERVED, kControlShift, std::nullopt},  // no key has this code
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TriggerText::build(c.key, c.modifiers), c.text) << c.key;
    }
}

TEST(GlobalShortcutsPortalTest, WithoutAPortalTheRegistrationFails) {
    GlobalShortcutsPortal portal;
    EXPECT_FALSE(portal.isAvailable());
    const auto registration = portal.registerHotKey(KEY_SPACE, kControlShift, {}, {});
    EXPECT_FALSE(registration.succeeded());
    EXPECT_EQ(registration.status, HotKeys::RegistrationStatus::noDisplay);
}

TEST(GlobalShortcutsPortalTest, SessionThatBindsItsOptionsThenARecorderChange) {
    StandIn standIn(QStringLiteral("create-binds"));
    ASSERT_TRUE(standIn.ready());
    GlobalShortcutsPortal portal;
    Presses presses;
    const auto first = portal.registerHotKey(
        KEY_SPACE, kControlShift, [&] { ++presses.down; }, [&] { ++presses.up; });
    ASSERT_TRUE(first.succeeded());
    ASSERT_TRUE(waitFor([&] { return portal.state() == GlobalShortcutsPortal::State::bound; }));
    EXPECT_EQ(portal.trigger(first.id), "Ctrl+Shift+Space");

    const QString id = portal.shortcutId(first.id);
    standIn.press(id, true);
    standIn.press(id, false);
    ASSERT_TRUE(waitFor([&] { return presses.up == 1; }));
    EXPECT_EQ(presses.down, 1);

    // While the recorder listens, presses are not reported.
    portal.suspend();
    standIn.press(id, true);
    standIn.press(id, false);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    EXPECT_TRUE(portal.resume());

    // The recorder's change: one binding of the new set, through a new session, since this
    // desktop cannot bind within one.
    portal.unregisterHotKey(first.id);
    const auto second = portal.registerHotKey(KEY_Z, Modifier::Control | Modifier::Alt,
                                              [&] { ++presses.down; }, {});
    ASSERT_TRUE(waitFor([&] {
        return portal.state() == GlobalShortcutsPortal::State::bound && portal.trigger(second.id);
    }));
    EXPECT_EQ(portal.trigger(second.id), "Ctrl+Alt+Z");
    // The new shortcut comes under an id of its own: the desktop would keep the old trigger
    // for the old id.
    const QString secondId = portal.shortcutId(second.id);
    EXPECT_NE(secondId, id);
    EXPECT_EQ(standIn.calls(),
              (QStringList{QStringLiteral("CreateSession:") + id,
                           QStringLiteral("BindShortcuts:") + secondId, QStringLiteral("Close"),
                           QStringLiteral("CreateSession:") + secondId}));
    standIn.press(id, true);
    standIn.press(secondId, true);
    ASSERT_TRUE(waitFor([&] { return presses.down == 2; }));
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(presses.down, 2) << "the old id no longer presses";
    EXPECT_EQ(presses.up, 1);
}

TEST(GlobalShortcutsPortalTest, BindAfterTheSessionAndFollowTheDesktopsChange) {
    StandIn standIn(QStringLiteral("bind"));
    ASSERT_TRUE(standIn.ready());
    GlobalShortcutsPortal portal;
    QSignalSpy changed(&portal, &GlobalShortcutsPortal::triggersChanged);
    Presses presses;
    const auto registration =
        portal.registerHotKey(KEY_SPACE, kControlShift, [&] { ++presses.down; }, {});
    ASSERT_TRUE(waitFor([&] { return portal.state() == GlobalShortcutsPortal::State::bound; }));
    EXPECT_EQ(portal.trigger(registration.id), "Ctrl+Shift+Space");
    const QString id = portal.shortcutId(registration.id);
    EXPECT_EQ(standIn.calls(), (QStringList{QStringLiteral("CreateSession:") + id,
                                            QStringLiteral("BindShortcuts:") + id}));

    // The recorder's probe of another key registers and unregisters it: nothing is bound again.
    const auto probe = portal.registerHotKey(KEY_C, kControlShift, {}, {});
    portal.unregisterHotKey(probe.id);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    EXPECT_EQ(standIn.calls().size(), 2);
    EXPECT_EQ(portal.trigger(registration.id), "Ctrl+Shift+Space");

    // The user picks another trigger in the desktop's settings.
    const int before = static_cast<int>(changed.count());
    standIn.change(id, QStringLiteral("Meta+K"));
    ASSERT_TRUE(waitFor([&] { return changed.count() > before; }));
    EXPECT_EQ(portal.trigger(registration.id), "Meta+K");

    // An activation of a shortcut this program does not know does nothing.
    standIn.press(QStringLiteral("someone-else"), true);
    standIn.press(id, true);
    ASSERT_TRUE(waitFor([&] { return presses.down >= 1; }));
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(presses.down, 1);
}

TEST(GlobalShortcutsPortalTest, ACancelledDialogBindsNothing) {
    StandIn standIn(QStringLiteral("cancel"));
    ASSERT_TRUE(standIn.ready());
    GlobalShortcutsPortal portal;
    const auto registration = portal.registerHotKey(KEY_SPACE, kControlShift, {}, {});
    ASSERT_TRUE(registration.succeeded());
    ASSERT_TRUE(waitFor([&] { return portal.state() == GlobalShortcutsPortal::State::cancelled; }));
    EXPECT_FALSE(portal.trigger(registration.id));
    EXPECT_FALSE(portal.resume());
}

}  // namespace
}  // namespace korrelang::platform::portal

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
