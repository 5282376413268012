#include "tools/tzsim/Session.h"
#include "tests/unit/tzsim/Frames.h"

#include <gtest/gtest.h>

namespace tzsim {
namespace {

using test::board;
using test::device;

class SessionTest : public ::testing::Test {
protected:
    Session s{WallConfig{}, DateTime{2026, 1, 2, 3, 4, 5}, 5.0};

    void send(const FrameBytes& f, double ms) { s.feed(f.data(), f.size(), ms); }
    std::string trace()
    {
        std::string all;
        for (const std::string& line : s.takeTrace())
            all += line + "\n";
        return all;
    }
};

TEST_F(SessionTest, TraceLineHasTimeBytesAndMeaning)
{
    send(device({0x00, 0x00}), 12.25);
    EXPECT_EQ("      12.2 AA BB 00 00 00 55 55 55 55 55 55 FE  SetPower on\n", trace());
}

TEST_F(SessionTest, FramesCloserThanTheLinksPauseAreReported)
{
    send(board(0, 0x02, {0x05}), 0);
    send(board(0, 0x02, {0x05}), 50);    // exactly the pause
    send(board(0, 0x02, {0x05}), 95.5);  // within the tolerance of 5 ms
    EXPECT_EQ(0u, s.anomalyCount());
    send(board(0, 0x02, {0x05}), 120);
    EXPECT_EQ(1u, s.anomalyCount());
    EXPECT_NE(std::string::npos,
              trace().find("! arrived 24.5 ms after the previous frame; the link promises 50 ms"));

    // Matrix frames promise no pause of their own.
    const FrameBytes matrix = makeFrame({0x01, 0x01, 0x83, 0x87, 0x81, 0, 0, 0, 0});
    send(matrix, 200);
    send(matrix, 210);
    EXPECT_EQ(1u, s.anomalyCount());
}

TEST_F(SessionTest, RepliesFollowTheFailureMode)
{
    send(device({0x07, 0x00}), 0);
    auto replies = s.takeReplies();
    ASSERT_EQ(1u, replies.size());
    EXPECT_EQ(0xAA, replies[0].bytes[0]);
    EXPECT_EQ(0x05, replies[0].bytes[5]) << "second 05 in BCD";

    s.setFailure(*FailureMode::parse("noreply"));
    send(device({0x07, 0x00}), 100);
    EXPECT_TRUE(s.takeReplies().empty());

    s.setFailure(*FailureMode::parse("late:1500"));
    send(device({0x07, 0x01}), 200);
    replies = s.takeReplies();
    ASSERT_EQ(1u, replies.size());
    EXPECT_DOUBLE_EQ(1700.0, replies[0].atMs);

    s.setFailure(*FailureMode::parse("short"));
    send(device({0x07, 0x08}), 300);
    EXPECT_EQ(5u, s.takeReplies().at(0).bytes.size());

    s.setFailure(*FailureMode::parse("garbage"));
    send(device({0x07, 0x08}), 400);
    const auto garbage = s.takeReplies().at(0).bytes;
    EXPECT_EQ(36u, garbage.size());
    EXPECT_NE(0xAA, garbage[0]);

    s.setFailure(*FailureMode::parse("vanish"));
    send(device({0x00, 0x01}), 500);
    EXPECT_TRUE(s.vanished());
    EXPECT_TRUE(s.processor().state().powerOn) << "the frame that met a vanished line is not applied";

    EXPECT_FALSE(FailureMode::parse("late:"));
    EXPECT_FALSE(FailureMode::parse("sometimes"));
}

TEST_F(SessionTest, CutFramesAndStrayTextReachTheTrace)
{
    const FrameBytes f = device({0x00, 0x00});
    s.feed(f.data(), 7, 0);
    s.idle(10);
    EXPECT_EQ(0u, s.anomalyCount());
    s.idle(40);
    EXPECT_EQ(1u, s.anomalyCount());
    const std::uint8_t text[] = {'4', '*'};
    s.feed(text, sizeof text, 100);
    s.idle(200);
    EXPECT_EQ(2u, s.anomalyCount());
    EXPECT_NE(std::string::npos, trace().find("! text without its terminator: \"4*\""));
}

}  // namespace
}  // namespace tzsim
