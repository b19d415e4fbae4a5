#include "keyboards/key_code_monitor.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <chrono>
#include <thread>

#include "platform/fake/fake_key_interceptor.h"
#include "platform/fake/fake_workspace.h"
#include "settings/settings.h"

namespace korrelang::keyboards {
namespace {

using platform::Modifier;

class KeyCodeMonitorTest : public ::testing::Test {
public:
    // Runs events until `condition` holds; the retry interval here is a millisecond.
    bool eventually(const std::function<bool()>& condition) {
        for (int i = 0; i < 2000 && !condition(); ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return condition();
    }

    QTemporaryDir directory;
    settings::Settings settings{directory.filePath("Korrelang.conf")};
    platform::fake::FakeKeyInterceptor interceptor;
    platform::fake::FakeWorkspace workspace;
    KeyCodeMonitor monitor{interceptor, workspace, settings, 1};
};

TEST_F(KeyCodeMonitorTest, TypesLatinCapitalsOnlyForShiftAndALetterInCaselessLayouts) {
    struct Case {
        const char* layout;
        platform::KeyCode key;
        platform::Modifiers flags;
        const char* typed;  // nullptr: the key passes through
    };
    const Case cases[] = {
        {"xkb.th.Thai", KEY_A, Modifier::Shift, "A"},
        {"xkb.il.Hebrew", KEY_Q, Modifier::Shift, "Q"},
        {"xkb.th.Thai", KEY_A, Modifier::Shift | Modifier::CapsLock, "A"},
        {"xkb.th.Thai", KEY_A, {}, nullptr},
        {"xkb.th.Thai", KEY_A, Modifier::Shift | Modifier::Control, nullptr},
        {"xkb.th.Thai", KEY_A, Modifier::Shift | Modifier::Super, nullptr},
        {"xkb.th.Thai", KEY_1, Modifier::Shift, nullptr},           // "!" is no letter
        {"xkb.th.Thai", KEY_LEFTALT, Modifier::Shift, nullptr},     // a modifier key
        {"xkb.th.Thai", KEY_RIGHTBRACE, Modifier::Shift, nullptr},  // not in the table
        {"xkb.ru.Russian", KEY_A, Modifier::Shift, nullptr},
        {"xkb.us.English", KEY_A, Modifier::Shift, nullptr},
    };
    monitor.startMonitor();
    ASSERT_TRUE(monitor.isRunning());
    for (const Case& c : cases) {
        interceptor.activeLayout = c.layout;
        const auto typed = interceptor.press(c.key, c.flags);
        EXPECT_EQ(typed, c.typed ? std::optional<std::string>(c.typed) : std::nullopt)
            << c.layout << " key " << c.key << " flags " << c.flags.text();
    }
    for (const auto& line : workspace.systemLogLines) {
        EXPECT_EQ(line.find("'A'"), std::string::npos)
            << "typed letters stay out of the system log";
    }
    settings.setIsEnabled(false);
    interceptor.activeLayout = "xkb.th.Thai";
    EXPECT_EQ(interceptor.press(KEY_A, Modifier::Shift), std::nullopt);
}

TEST_F(KeyCodeMonitorTest, CaselessLayouts) {
    struct Case {
        const char* id;
        bool caseless;
    };
    const Case cases[] = {
        {"xkb.il.Hebrew", true},   {"xkb.th.Thai", true},       {"xkb.kr.Korean", true},
        {"xkb.ru.Russian", false}, {"xkb.us.English", false},   {"vendor.thai-custom", true},
        {"vendor.KOREAN2", true},  {"vendor.latin-pro", false}, {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyCodeMonitor::isCaselessLayout(c.id), c.caseless) << c.id;
    }
}

TEST_F(KeyCodeMonitorTest, LatinKeyTable) {
    EXPECT_EQ(KeyCodeMonitor::latinKeyCharacter(KEY_Z, {}), "z");
    EXPECT_EQ(KeyCodeMonitor::latinKeyCharacter(KEY_Z, Modifier::CapsLock), "Z");
    EXPECT_EQ(KeyCodeMonitor::latinKeyCharacter(KEY_Z, Modifier::Shift | Modifier::CapsLock), "z");
    EXPECT_EQ(KeyCodeMonitor::latinKeyCharacter(KEY_0, Modifier::Shift), ")");
    EXPECT_EQ(KeyCodeMonitor::latinKeyCharacter(KEY_APOSTROPHE, Modifier::Shift), "\"");
    EXPECT_EQ(KeyCodeMonitor::latinKeyCharacter(KEY_ENTER, Modifier::Shift), "\n");
    EXPECT_EQ(KeyCodeMonitor::latinKeyCharacter(KEY_ESC, {}), "");
    int known = 0;
    for (platform::KeyCode key = 0; key < 128; ++key) {
        known += KeyCodeMonitor::latinKeyCharacter(key, {}).has_value() ? 1 : 0;
    }
    EXPECT_EQ(known, 48);
}

TEST_F(KeyCodeMonitorTest, RetriesUntilTheHookCanBeInstalled) {
    interceptor.canStart = false;
    monitor.startMonitor();
    EXPECT_FALSE(monitor.isRunning());
    EXPECT_TRUE(monitor.isRetrying());
    interceptor.canStart = true;
    EXPECT_TRUE(eventually([&] { return monitor.isRunning(); }));
    EXPECT_FALSE(monitor.isRetrying());
    monitor.startMonitor();  // running already: nothing happens
    monitor.stopMonitor();
    EXPECT_FALSE(interceptor.isRunning());
}

TEST_F(KeyCodeMonitorTest, TurningTheSettingOffEndsTheRetries) {
    interceptor.canStart = false;
    monitor.startMonitor();
    settings.setSmartCapitalization(false);
    EXPECT_TRUE(eventually([&] { return !monitor.isRetrying(); }));
    EXPECT_FALSE(monitor.isRunning());
    monitor.startMonitor();
    EXPECT_FALSE(monitor.isRetrying()) << "the setting is off";
}

}  // namespace
}  // namespace korrelang::keyboards

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
