#include <gtest/gtest.h>

#include "platform/x11/x11_workspace.h"
#include "support/desktop_harness.h"

namespace korrelang::platform::x11 {
namespace {

using testing::Mousepad;
using testing::waitUntil;

TEST(X11Workspace, NamesTheFrontmostApplicationFromItsDesktopEntry) {
    X11Workspace workspace(DisplayConnection::open());
    Mousepad editor;
    ASSERT_TRUE(editor.isReady());
    EXPECT_EQ(workspace.frontmostApplication(), (Application{.id = "org.xfce.mousepad",
                                                             .name = "Mousepad",
                                                             .processId = editor.pid(),
                                                             .terminal = false}));
    EXPECT_EQ(workspace.applicationName("org.xfce.mousepad"), "Mousepad");
    EXPECT_EQ(workspace.applicationName("no.such.application"), std::nullopt);
}

TEST(X11Workspace, ATerminalEmulatorIsToldByItsProcessNotItsName) {
    X11Workspace workspace(DisplayConnection::open());
    // Renamed, so that no list of names could know it.
    testing::Child terminal("xterm", {"-class", "NotesViewer", "-name", "notes"});
    ASSERT_TRUE(waitUntil([&] {
        const auto application = workspace.frontmostApplication();
        return application && application->processId == terminal.pid();
    }));
    const auto application = workspace.frontmostApplication();
    EXPECT_EQ(application->id, "NotesViewer");
    EXPECT_TRUE(application->terminal);

    // Without _NET_WM_PID (not every terminal sets it) the process comes from the X server.
    const QString window =
        QString::fromStdString(testing::runProgram("xdotool", {"getactivewindow"})).trimmed();
    testing::runProgram("xprop", {"-id", window, "-remove", "_NET_WM_PID"});
    ASSERT_EQ(testing::runProgram("xprop", {"-id", window, "_NET_WM_PID"}).find("= "),
              std::string::npos);
    const auto unnamed = workspace.frontmostApplication();
    ASSERT_TRUE(unnamed.has_value());
    EXPECT_EQ(unnamed->processId, terminal.pid());
    EXPECT_TRUE(unnamed->terminal);
}

TEST(X11Workspace, NoActiveWindowMeansNoFrontmostApplication) {
    X11Workspace workspace(DisplayConnection::open());
    {
        Mousepad editor;
        ASSERT_TRUE(editor.isReady());
    }
    EXPECT_TRUE(waitUntil([&] { return !workspace.frontmostApplication().has_value(); }));
}

TEST(X11Workspace, WithoutADisplayEverythingAnswersNothing) {
    X11Workspace workspace(nullptr);
    EXPECT_EQ(workspace.frontmostApplication(), std::nullopt);
    workspace.beep();  // must not crash
}

}  // namespace
}  // namespace korrelang::platform::x11
