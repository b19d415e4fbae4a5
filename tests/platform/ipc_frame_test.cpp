#include "platform/sway/ipc_frame.h"

#include <gtest/gtest.h>

#include <cstring>

namespace korrelang::platform::sway {
namespace {

TEST(IpcFrame, EncodesHeaderAndPayload) {
    const std::string bytes = IpcFrame::encode(IpcType::getInputs, "[]");
    ASSERT_EQ(bytes.size(), IpcFrame::kHeaderSize + 2);
    EXPECT_EQ(bytes.substr(0, 6), "i3-ipc");
    std::uint32_t length = 0;
    std::uint32_t type = 0;
    std::memcpy(&length, bytes.data() + 6, 4);
    std::memcpy(&type, bytes.data() + 10, 4);
    EXPECT_EQ(length, 2U);
    EXPECT_EQ(type, IpcType::getInputs);
    EXPECT_EQ(bytes.substr(14), "[]");
}

TEST(IpcFrame, ReassemblesMessagesSplitAnywhere) {
    const std::string stream = IpcFrame::encode(IpcType::bindingEvent, R"({"change":"run"})") +
                               IpcFrame::encode(IpcType::runCommand, "") +
                               IpcFrame::encode(IpcType::inputEvent, std::string(3000, 'x'));
    // Every split point, including inside the magic and the length.
    for (std::size_t cut = 0; cut <= stream.size(); cut += 7) {
        IpcFrame frame;
        std::vector<IpcMessage> got;
        frame.feed(std::string_view(stream).substr(0, cut));
        while (auto message = frame.next()) {
            got.push_back(*message);
        }
        frame.feed(std::string_view(stream).substr(cut));
        while (auto message = frame.next()) {
            got.push_back(*message);
        }
        ASSERT_EQ(got.size(), 3U) << "cut at " << cut;
        EXPECT_TRUE(got[0].isEvent());
        EXPECT_EQ(got[0].payload, R"({"change":"run"})");
        EXPECT_EQ(got[1].type, IpcType::runCommand);
        EXPECT_TRUE(got[1].payload.empty());
        EXPECT_EQ(got[2].payload.size(), 3000U);
        EXPECT_EQ(frame.buffered(), 0U);
        EXPECT_FALSE(frame.failed());
    }
}

TEST(IpcFrame, CorruptStreamsFailForGood) {
    struct Case {
        const char* what;
        std::string bytes;
    };
    std::string oversized = IpcFrame::encode(IpcType::getTree, "");
    const std::uint32_t huge = static_cast<std::uint32_t>(IpcFrame::kMaxPayload) + 1;
    std::memcpy(oversized.data() + 6, &huge, 4);
    const Case cases[] = {
        {"wrong magic, whole header", "i3-ipX" + std::string(8, '\0')},
        {"wrong magic, first bytes only", "x3"},
        {"length over the cap", oversized},
    };
    for (const Case& c : cases) {
        IpcFrame frame;
        frame.feed(c.bytes);
        EXPECT_FALSE(frame.next().has_value()) << c.what;
        EXPECT_TRUE(frame.failed()) << c.what;
        frame.feed(IpcFrame::encode(IpcType::runCommand, "[]"));
        EXPECT_FALSE(frame.next().has_value()) << c.what << ": no resynchronisation";
    }
}

}  // namespace
}  // namespace korrelang::platform::sway
