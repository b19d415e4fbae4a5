#include "platform/wayland/offer_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <thread>

namespace korrelang::platform::wayland {
namespace {

using Outcome = OfferReader::Outcome;
using namespace std::chrono_literals;

TEST(OfferReader, ChoosesOneTextOneImageAndEveryOtherType) {
    struct Case {
        const char* what;
        std::vector<std::string> offered;
        std::vector<std::string> chosen;
    };
    const Case cases[] = {
        {"GTK text",
         {"text/plain;charset=utf-8", "UTF8_STRING", "TEXT", "STRING", "text/plain"},
         {"UTF8_STRING"}},
        {"text without X names",
         {"text/plain", "text/plain;charset=utf-8"},
         {"text/plain;charset=utf-8"}},
        {"browser image",
         {"image/jpeg", "image/png", "image/bmp", "text/html"},
         {"image/png", "text/html"}},
        {"image without PNG", {"image/bmp", "image/jpeg"}, {"image/bmp"}},
        {"X targets without a MIME type are dropped", {"TARGETS", "TIMESTAMP", "SAVE_TARGETS"}, {}},
        {"rich text kept beside the text",
         {"text/html", "text/plain;charset=utf-8", "application/x-kde-cutselection"},
         {"text/plain;charset=utf-8", "text/html", "application/x-kde-cutselection"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OfferReader::choose(c.offered), c.chosen) << c.what;
    }
}

TEST(OfferReader, KeepsWithinTheCapAndReportsWhatWasLeftOut) {
    // What each type delivers, and the cap each fetch was given.
    std::map<std::string, OfferReader::Fetched> answers = {
        {"UTF8_STRING", {Outcome::received, "hello"}},
        {"image/png", {Outcome::tooLarge, ""}},
        {"text/html", {Outcome::received, "<b>hello</b>"}},
        {"application/x-slow", {Outcome::timedOut, ""}},
        {"application/x-refused", {Outcome::refused, ""}},
    };
    std::vector<std::pair<std::string, std::size_t>> asked;
    const auto fetch = [&](const std::string& type, std::size_t limit,
                           OfferReader::Clock::time_point) {
        asked.emplace_back(type, limit);
        return answers.at(type);
    };
    const OfferContent content = OfferReader::read(
        {"image/png", "UTF8_STRING", "text/html", "application/x-slow", "application/x-refused"},
        100, OfferReader::Clock::now() + 1s, fetch, "CLIPBOARD");
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"text/plain", "hello"}, {"text/html", "<b>hello</b>"}};
    EXPECT_EQ(content.formats, expected);
    EXPECT_TRUE(content.truncated);
    // Each fetch gets what is left of the cap.
    ASSERT_EQ(asked.size(), 5U);
    EXPECT_EQ(asked[0], std::make_pair(std::string("UTF8_STRING"), std::size_t{100}));
    EXPECT_EQ(asked[1].second, 95U);
    EXPECT_EQ(asked[2].second, 95U);
    EXPECT_EQ(asked[3].second, 83U);
}

TEST(OfferReader, FetchesNothingOnceTheBudgetIsSpent) {
    int fetches = 0;
    const auto fetch = [&](const std::string&, std::size_t, OfferReader::Clock::time_point) {
        ++fetches;
        return OfferReader::Fetched{Outcome::received, "x"};
    };
    const OfferContent content = OfferReader::read(
        {"UTF8_STRING", "text/html"}, 100, OfferReader::Clock::now() - 1ms, fetch, "PRIMARY");
    EXPECT_EQ(fetches, 0);
    EXPECT_TRUE(content.formats.empty());
    EXPECT_TRUE(content.truncated);
}

// The pipe reader against a real pipe and a writer thread.
OfferReader::Fetched throughPipe(const std::string& bytes, bool closeWriter, std::size_t cap,
                                 std::chrono::milliseconds budget) {
    int fds[2];
    EXPECT_EQ(pipe(fds), 0);
    std::thread writer([&] {
        std::size_t written = 0;
        while (written < bytes.size()) {
            const ssize_t n = write(fds[1], bytes.data() + written, bytes.size() - written);
            if (n <= 0) {
                break;
            }
            written += static_cast<std::size_t>(n);
        }
        if (closeWriter) {
            close(fds[1]);
        }
    });
    auto fetched = OfferReader::readPipe(fds[0], cap, OfferReader::Clock::now() + budget);
    writer.join();
    if (!closeWriter) {
        close(fds[1]);
    }
    return fetched;
}

TEST(OfferReader, ReadsPipesToTheEndWithinCapAndDeadline) {
    const std::string big(300000, 'x');  // several pipe buffers
    auto whole = throughPipe(big, true, 1000000, 2000ms);
    EXPECT_EQ(whole.outcome, Outcome::received);
    EXPECT_EQ(whole.bytes.size(), big.size());

    auto exact = throughPipe("12345", true, 5, 2000ms);
    EXPECT_EQ(exact.outcome, Outcome::received);
    EXPECT_EQ(exact.bytes, "12345");

    auto empty = throughPipe("", true, 5, 2000ms);
    EXPECT_EQ(empty.outcome, Outcome::received);
    EXPECT_TRUE(empty.bytes.empty());

    auto over = throughPipe("123456", true, 5, 2000ms);
    EXPECT_EQ(over.outcome, Outcome::tooLarge);
    EXPECT_TRUE(over.bytes.empty());

    // An owner that never finishes its transfer.
    auto stalled = throughPipe("partial", false, 100, 50ms);
    EXPECT_EQ(stalled.outcome, Outcome::timedOut);
    EXPECT_TRUE(stalled.bytes.empty());
}

}  // namespace
}  // namespace korrelang::platform::wayland
