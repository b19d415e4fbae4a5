#include "app/session_bus_call.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QProcess>
#include <future>
#include <memory>

namespace korrelang::app {
namespace {

using namespace std::chrono_literals;

// The object a call reaches: counts the calls that reply, refuses one, leaves one unanswered.
class Target : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.example.Target")

public:
    int pings = 0;

public slots:
    Q_SCRIPTABLE void Ping() { ++pings; }
    Q_SCRIPTABLE void Refuse() {
        sendErrorReply(QStringLiteral("org.example.Error.Refused"),
                       QStringLiteral("refused for the test"));
    }
    Q_SCRIPTABLE void Ignore() { setDelayedReply(true); }
};

// A private bus of the test's own, and the target on it.
class SessionBusCallTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "session_bus_call_test";
        static char* argv[] = {name, nullptr};
        s_application = new QCoreApplication(argc, argv);
        s_daemon = new QProcess;
        s_daemon->start(QStringLiteral("dbus-daemon"),
                        {QStringLiteral("--session"), QStringLiteral("--nofork"),
                         QStringLiteral("--print-address=1")});
        s_daemon->waitForReadyRead(10000);
        s_address = QString::fromUtf8(s_daemon->readLine()).trimmed();
        s_target = new Target;
        QDBusConnection bus = QDBusConnection::connectToBus(s_address, QStringLiteral("target"));
        bus.registerObject(QStringLiteral("/org/example/Target"), s_target,
                           QDBusConnection::ExportScriptableSlots);
        bus.registerService(QStringLiteral("org.example.Target"));
    }
    static void TearDownTestSuite() {
        QDBusConnection::disconnectFromBus(QStringLiteral("target"));
        delete s_target;
        s_daemon->terminate();
        s_daemon->waitForFinished(5000);
        delete s_daemon;
        delete s_application;
    }

    // The call runs on a thread of its own: this one has to serve the target meanwhile.
    static SessionBusCall::Result call(const char* member, const std::string& address,
                                       std::chrono::milliseconds timeout = 5s) {
        auto result = std::async(std::launch::async, [=] {
            return SessionBusCall::call("org.example.Target", "/org/example/Target",
                                        "org.example.Target", member, timeout, address);
        });
        while (result.wait_for(1ms) != std::future_status::ready) {
            QCoreApplication::processEvents();
        }
        return result.get();
    }

    static inline QCoreApplication* s_application = nullptr;
    static inline QProcess* s_daemon = nullptr;
    static inline Target* s_target = nullptr;
    static inline QString s_address;
};

TEST_F(SessionBusCallTest, RepliesAndErrorsOfTheCalledObject) {
    ASSERT_TRUE(s_address.startsWith(QStringLiteral("unix:"))) << s_address.toStdString();
    const std::string address = s_address.toStdString();
    const int before = s_target->pings;
    const auto replied = call("Ping", address);
    EXPECT_TRUE(replied.replied) << replied.error;
    EXPECT_EQ(s_target->pings, before + 1);

    const auto refused = call("Refuse", address);
    EXPECT_FALSE(refused.replied);
    EXPECT_EQ(refused.error, "org.example.Error.Refused: refused for the test");

    const auto unanswered = call("Ignore", address, 300ms);
    EXPECT_FALSE(unanswered.replied);
    EXPECT_EQ(unanswered.error, "no reply in time");

    const auto nobody = SessionBusCall::call("org.example.Nobody", "/org/example/Target",
                                             "org.example.Target", "Ping", 5s, address);
    EXPECT_FALSE(nobody.replied);
    EXPECT_EQ(nobody.error.rfind("org.freedesktop.DBus.Error.ServiceUnknown", 0), 0U)
        << nobody.error;
}

TEST_F(SessionBusCallTest, AddressForms) {
    // The daemon's own address, with the path's or the abstract name's characters escaped the
    // way a desktop may write them, behind transports this call does not speak.
    const std::string own = s_address.toStdString();
    const auto equals = own.find('=');
    const auto comma = own.find(',');
    std::string escaped = own.substr(0, equals + 1);
    for (const char c : own.substr(equals + 1, comma - equals - 1)) {
        escaped += c == '/' ? std::string("%2f") : std::string(1, c);
    }
    escaped += own.substr(comma);
    struct Case {
        const char* what;
        std::string address;
        bool replies;
    };
    const Case cases[] = {
        {"as printed", own, true},
        {"escaped", escaped, true},
        {"after other transports", "tcp:host=127.0.0.1,port=1;launchd:env=X;" + own, true},
        {"after a socket nobody listens on", "unix:path=/nonexistent/bus;" + own, true},
        {"nobody listening", "unix:path=/nonexistent/bus", false},
        {"a broken escape", "unix:path=%2", false},
        {"no unix entry", "tcp:host=127.0.0.1,port=1", false},
    };
    for (const Case& c : cases) {
        const auto result = call("Ping", c.address);
        EXPECT_EQ(result.replied, c.replies) << c.what << ": " << result.error;
    }
}

}  // namespace
}  // namespace korrelang::app

#include "session_bus_call_test.moc"
