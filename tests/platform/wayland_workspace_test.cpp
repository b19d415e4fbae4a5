#include "platform/wayland/wayland_workspace.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <fstream>

namespace korrelang::platform::wayland {
namespace {

namespace fs = std::filesystem;

// The applications folders come from the XDG variables, read at each lookup.
class WaylandWorkspaceNames : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(m_home.isValid());
        m_folder = fs::path(m_home.path().toStdString()) / "applications";
        fs::create_directories(m_folder);
        qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
        qputenv("XDG_DATA_DIRS", (m_home.path() + "/none").toUtf8());
    }
    void TearDown() override {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
    }

    // Each change moves the folder's time on: the file system's clock is coarser than a test.
    void install(const std::string& file, const std::string& keys) {
        const auto before = fs::last_write_time(m_folder);
        std::ofstream(m_folder / file) << "[Desktop Entry]\nType=Application\n" << keys;
        fs::last_write_time(m_folder, before + std::chrono::seconds(1));
    }
    void remove(const std::string& file) {
        const auto before = fs::last_write_time(m_folder);
        fs::remove(m_folder / file);
        fs::last_write_time(m_folder, before + std::chrono::seconds(1));
    }

    QTemporaryDir m_home;
    fs::path m_folder;
    WaylandWorkspace m_workspace{nullptr};
};

TEST_F(WaylandWorkspaceNames, FollowsProgramsInstalledAndRemovedWhileRunning) {
    struct Step {
        const char* what;
        std::function<void(WaylandWorkspaceNames&)> change;
        const char* id;
        std::optional<std::string> name;
    };
    const Step steps[] = {
        {"an app_id that is the program's name", nullptr, "pad", std::nullopt},
        {"another name asked after an install",
         [](auto& t) { t.install("org.example.Pad.desktop", "Name=Pad\nExec=pad %F\n"); },
         "org.example.Draw", std::nullopt},
        {"the installed program found", nullptr, "pad", "Pad"},
        {"an entry named after the app_id",
         [](auto& t) { t.install("org.example.Draw.desktop", "Name=Draw\nExec=draw\n"); },
         "org.example.Draw", "Draw"},
        {"asked again", nullptr, "pad", "Pad"},
        {"another name asked after a removal", [](auto& t) { t.remove("org.example.Pad.desktop"); },
         "org.example.Draw", "Draw"},
        {"the removed program gone", nullptr, "pad", std::nullopt},
    };
    for (const Step& step : steps) {
        if (step.change) {
            step.change(*this);
        }
        EXPECT_EQ(m_workspace.applicationName(step.id), step.name) << step.what;
    }
}

}  // namespace
}  // namespace korrelang::platform::wayland
