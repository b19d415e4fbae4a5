#include "platform/process/terminal_process.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <filesystem>

namespace korrelang::platform::process {
namespace {

TEST(TerminalProcess, AProcessHoldingAPseudoTerminalMasterIsATerminal) {
    EXPECT_FALSE(TerminalProcess::holdsPseudoTerminalMaster(getpid()));
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    EXPECT_TRUE(TerminalProcess::holdsPseudoTerminalMaster(getpid()));

    // The other side (what the shell holds) does not make a terminal emulator.
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const int secondary = open(ptsname(master), O_RDWR | O_NOCTTY);
    ASSERT_GE(secondary, 0);
    close(master);
    EXPECT_FALSE(TerminalProcess::holdsPseudoTerminalMaster(getpid()));
    close(secondary);
}

TEST(TerminalProcess, AnotherProcessIsLookedAtByItsId) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    const pid_t withMaster = fork();
    if (withMaster == 0) {
        pause();
        _exit(0);
    }
    close(master);
    const pid_t without = fork();
    if (without == 0) {
        pause();
        _exit(0);
    }
    EXPECT_TRUE(TerminalProcess::holdsPseudoTerminalMaster(withMaster));
    EXPECT_FALSE(TerminalProcess::holdsPseudoTerminalMaster(without));
    for (const pid_t child : {withMaster, without}) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
}

TEST(TerminalProcess, TheMultiplexerIsRecognisedUnderEitherPath) {
    QTemporaryDir proc;
    ASSERT_TRUE(proc.isValid());
    const std::filesystem::path root = proc.path().toStdString();
    struct Case {
        long pid;
        const char* target;
        bool terminal;
    };
    const Case cases[] = {
        {100, "/dev/ptmx", true},   {101, "/dev/pts/ptmx", true},   {102, "/dev/pts/3", false},
        {103, "/dev/ptmxx", false}, {104, "socket:[12345]", false},
    };
    for (const Case& c : cases) {
        const auto fd = root / std::to_string(c.pid) / "fd";
        std::filesystem::create_directories(fd);
        std::filesystem::create_symlink("/dev/null", fd / "0");
        std::filesystem::create_symlink(c.target, fd / "7");
        EXPECT_EQ(TerminalProcess::holdsPseudoTerminalMaster(c.pid, root.string()), c.terminal)
            << c.target;
    }
    for (const long pid : {0L, -1L, 999L}) {
        EXPECT_FALSE(TerminalProcess::holdsPseudoTerminalMaster(pid, root.string())) << pid;
    }
}

}  // namespace
}  // namespace korrelang::platform::process
