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

namespace Flag = platform::ModifierFlag;

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
        std::uint32_t flags;
        const char* typed;  // nullptr: the key passes through
    };
    const Case cases[] = {
        {"xkb.th.Thai", KEY_A, Flag::shift, "A"},
        {"xkb.il.Hebrew", KEY_Q, Flag::shift, "Q"},
        {"xkb.th.Thai", KEY_A, Flag::shift | Flag::capsLock, "A"},
        {"xkb.th.Thai", KEY_A, Flag::shift | Flag::function, "A"},
        {"xkb.th.Thai", KEY_A, 0, nullptr},
        {"xkb.th.Thai", KEY_A, Flag::shift | Flag::control, nullptr},
        {"xkb.th.Thai", KEY_A, Flag::shift | Flag::command, nullptr},
        {"xkb.th.Thai", KEY_1, Flag::shift, nullptr},           // "!" is no letter
        {"xkb.th.Thai", KEY_LEFTALT, Flag::shift, nullptr},     // a modifier key
        {"xkb.th.Thai", KEY_RIGHTBRACE, Flag::shift, nullptr},  // not in the table
        {"xkb.ru.Russian", KEY_A, Flag::shift, nullptr},
        {"xkb.us.English", KEY_A, Flag::shift, nullptr},
    };
    monitor.startMonitor();
    ASSERT_TRUE(monitor.isRunning());
    for (const Case& c : cases) {
        interceptor.activeLayout = c.layout;
        const auto typed = interceptor.press(c.key, c.flags);
        EXPECT_EQ(typed, c.typed ? std::optional<std::string>(c.typed) : std::nullopt)
            << c.layout << " key " << c.key << " flags " << c.flags;
    }
    for (const auto& line : workspace.systemLogLines) {
        EXPECT_EQ(line.find("'A'"), std::string::npos)
            << "typed letters stay out of the system log";
    }
    settings.setIsEnabled(false);
    interceptor.activeLayout = "xkb.th.Thai";
    EXPECT_EQ(interceptor.press(KEY_A, Flag::shift), std::nullopt);
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
    EXPECT_EQ(KeyCodeMonitor::latinKeyCharacter(KEY_Z, 0), "z");
    EXPECT_EQ(KeyCodeMonitor::latinKeyCharacter(KEY_Z, Flag::capsLock), "Z");
    EXPECT_EQ(KeyCodeMonitor::latinKeyCharacter(KEY_Z, Flag::shift | Flag::capsLock), "z");
    EXPECT_EQ(KeyCodeMonitor::latinKeyCharacter(KEY_0, Flag::shift), ")");
    EXPECT_EQ(KeyCodeMonitor::latinKeyCharacter(KEY_APOSTROPHE, Flag::shift), "\"");
    EXPECT_EQ(KeyCodeMonitor::latinKeyCharacter(KEY_ENTER, Flag::shift), "\n");
    EXPECT_EQ(KeyCodeMonitor::latinKeyCharacter(KEY_ESC, 0), "");
    int known = 0;
    for (platform::KeyCode key = 0; key < 128; ++key) {
        known += KeyCodeMonitor::latinKeyCharacter(key, 0).has_value() ? 1 : 0;
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
