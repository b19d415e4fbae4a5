#include "platform/atspi/accessibility_status.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <chrono>
#include <functional>

namespace korrelang::platform::atspi {
namespace {

using namespace std::chrono_literals;

bool waitUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// A private session bus with the accessibility bus launcher of the desktop on it.
class AccessibilityStatusTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The launcher keeps the switch in GSettings: in memory here, never in the user's own.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("memory"));
        m_daemon.setProcessEnvironment(environment);
        m_launcher.setProcessEnvironment(environment);
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"),
                        QStringLiteral("--print-address=1")});
        ASSERT_TRUE(m_daemon.waitForReadyRead(10000));
        // Before Qt's session bus connection is first made.
        const QByteArray address = m_daemon.readLine().trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromUtf8(address));
        m_launcher.setProcessEnvironment(environment);
        static int argc = 1;
        static char name[] = "accessibility_status_test";
        static char* argv[] = {name, nullptr};
        m_application = std::make_unique<QCoreApplication>(argc, argv);
        m_launcher.start(QStringLiteral("/usr/libexec/at-spi-bus-launcher"), {});
        ASSERT_TRUE(waitUntil([] {
            return QDBusConnection::sessionBus()
                .interface()
                ->isServiceRegistered(QStringLiteral("org.a11y.Bus"))
                .value();
        }));
    }
    void TearDown() override {
        m_launcher.terminate();
        m_launcher.waitForFinished(5000);
        m_daemon.terminate();
        m_daemon.waitForFinished(5000);
    }

    // As another program (the desktop's settings) switches it.
    static void switchFromElsewhere(bool on) {
        QDBusMessage set = QDBusMessage::createMethodCall(
            QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
        set << QStringLiteral("org.a11y.Status") << QStringLiteral("IsEnabled")
            << QVariant::fromValue(QDBusVariant(on));
        QDBusConnection::sessionBus().call(set);
    }

    QProcess m_daemon;
    QProcess m_launcher;
    std::unique_ptr<QCoreApplication> m_application;
};

TEST_F(AccessibilityStatusTest, FollowsTheSwitchWhoeverTurnsIt) {
    AccessibilityStatus status;
    ASSERT_EQ(status.isEnabled(1s), false);
    EXPECT_TRUE(status.enable(1s));
    EXPECT_EQ(status.isEnabled(1s), true);
    EXPECT_EQ(status.isEnabled(1s), true);

    switchFromElsewhere(false);
    EXPECT_TRUE(waitUntil([&] { return status.isEnabled(1s) == false; })) << "switched off";
    switchFromElsewhere(true);
    EXPECT_EQ(status.isEnabled(1s), true) << "switched on";

    // The service restarted (the bus starts it again on the next call, switched off): the answer
    // kept from the old one does not speak for it.
    m_launcher.terminate();
    m_launcher.waitForFinished(5000);
    EXPECT_TRUE(waitUntil([&] { return status.isEnabled(2s) == false; })) << "restarted";
}

}  // namespace
}  // namespace korrelang::platform::atspi
