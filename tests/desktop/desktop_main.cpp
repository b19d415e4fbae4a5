#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Ends a test that is stuck (a call that never returns) with its stacks on standard error, so a
// hang shows where it is instead of running into the CTest timeout without a trace.
class Watchdog : public ::testing::EmptyTestEventListener {
public:
    explicit Watchdog(std::chrono::seconds limit)
        : m_limit(limit), m_thread([this](std::stop_token stop) { watch(stop); }) {}

    void OnTestStart(const ::testing::TestInfo&) override {
        m_started.store(Clock::now().time_since_epoch().count());
    }
    void OnTestEnd(const ::testing::TestInfo&) override { m_started.store(0); }

private:
    void watch(const std::stop_token& stop) {
        while (!stop.stop_requested()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            const auto started = m_started.load();
            if (started == 0 || Clock::now().time_since_epoch().count() - started <
                                    std::chrono::duration_cast<Clock::duration>(m_limit).count()) {
                continue;
            }
            const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
            std::fprintf(stderr, "\nwatchdog: %s.%s has run for %lld s; stacks follow\n",
                         test != nullptr ? test->test_suite_name() : "?",
                         test != nullptr ? test->name() : "?",
                         static_cast<long long>(m_limit.count()));
            const std::string command = "gdb -p " + std::to_string(getpid()) +
                                        " -batch -ex 'thread apply all bt' 1>&2 2>/dev/null";
            [[maybe_unused]] const int ignored = std::system(command.c_str());
            std::_Exit(3);
        }
    }

    std::chrono::seconds m_limit;
    std::atomic<Clock::rep> m_started{0};
    std::jthread m_thread;
};

}  // namespace

// Desktop tests run inside scripts/desktop-session, which provides the display and the buses.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // Released by gtest when the listeners go away; the thread stops with it.
    ::testing::UnitTest::GetInstance()->listeners().Append(new Watchdog(std::chrono::seconds(60)));
    return RUN_ALL_TESTS();
}
