// The read operations and Transfer: request frames, replies taken from fixed offsets, replies in
// pieces, replies that never come, and the bracketed block writes.
#include "tests/unit/comm/SerialLinkFixture.h"

#include "fx/seam/Win32Seam.h"

#include <algorithm>

namespace {

std::string HexOf(const std::vector<unsigned char>& bytes)
{
    return LinePeer::ToHex(bytes);
}

// A rule that answers the request with bytes 2..10 given by the reply.
std::string Answer(const std::vector<unsigned char>& request, const std::string& reply,
                   const std::string& options = "")
{
    return HexOf(request) + " -> " + reply + " " + options;
}

const std::vector<unsigned char> kClockRequest = SerialLink::Sealed("00 07 00 55 55 55 55 55 55");

TEST_F(SerialLink, ReadClockDecodesTheReply)
{
    peer_.SetRules(Answer(kClockRequest, "AA BB 00 07 01 33 06 03 07 01 12 00"));
    const std::size_t logBefore = LogContents().size();
    unsigned char v[7] = {};
    ASSERT_EQ(COMM_OK, comm_->ReadClock(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6]));
    EXPECT_EQ((std::vector<unsigned char>{1, 33, 6, 3, 7, 1, 12}), std::vector<unsigned char>(v, v + 7));
    ExpectLine(kClockRequest);
    // The request and the reply are both in the log; the reply in the device layout (dest 0).
    const std::string added = LogContents().substr(logBefore);
    EXPECT_NE(std::string::npos, added.find("eventid:0x07\r\np1=0x00 p2=0x55"));
    EXPECT_NE(std::string::npos,
              added.find("eventid:0x07\r\np1=0x01 p2=0x33 p3=0x06 p4=0x03 p5=0x07 p6=0x01 p7=0x12\r\ncrc=0x00"));
}

TEST_F(SerialLink, TimerRepliesSkipByteFiveAndAreNotValidated)
{
    peer_.SetRules(Answer(Sealed("00 07 01 55 55 55 55 55 55"), "00 11 22 33 01 55 30 08 15 06 12 99") + "\n" +
                   Answer(Sealed("00 07 02 55 55 55 55 55 55"), "AA BB 00 07 00 00 00 00 00 00 00 00") + "\n" +
                   Answer(Sealed("00 07 03 55 55 55 55 55 55"), "AA BB 00 07 5A 00 00 00 00 00 00 00"));
    unsigned char off[6] = {}, on[6] = {7, 7, 7, 7, 7, 7}, status = 0;
    ASSERT_EQ(COMM_OK, comm_->ReadPowerOffTimer(&off[0], &off[1], &off[2], &off[3], &off[4], &off[5]));
    EXPECT_EQ((std::vector<unsigned char>{1, 30, 8, 15, 6, 12}), std::vector<unsigned char>(off, off + 6));
    ASSERT_EQ(COMM_OK, comm_->ReadPowerOnTimer(&on[0], &on[1], &on[2], &on[3], &on[4], &on[5]));
    EXPECT_EQ(std::vector<unsigned char>(6, 0), std::vector<unsigned char>(on, on + 6));
    ASSERT_EQ(COMM_OK, comm_->ReadStatusByte(&status));
    EXPECT_EQ(0x5A, status);
}

TEST_F(SerialLink, ReplyInPiecesWithGapsIsReadWhole)
{
    peer_.SetRules(Answer(kClockRequest, "AA BB 00 07 01 59 59 23 31 12 99 00", "delay=300 split=700"));
    unsigned char v[7] = {};
    ASSERT_EQ(COMM_OK, comm_->ReadClock(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6]));
    EXPECT_EQ((std::vector<unsigned char>{1, 59, 59, 23, 31, 12, 99}), std::vector<unsigned char>(v, v + 7));
}

TEST_F(SerialLink, MissingReplyTimesOutNoEarlierThanTheProfileSays)
{
    // "timeout" 5 is raised to the 10 s floor.
    WriteProfile(peer_.Com(), 5, 9600, 1);
    ASSERT_EQ(COMM_OK, comm_->Reconnect(profileDir_.c_str()));
    unsigned char v[7] = {9, 9, 9, 9, 9, 9, 9};
    const Stopwatch watch;
    EXPECT_EQ(COMM_FAILED, comm_->ReadClock(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6]));
    const double waited = watch.Ms();
    EXPECT_GE(waited, 10000 - kTimerTickMs);
    EXPECT_LT(waited, 14000);
    EXPECT_EQ(std::vector<unsigned char>(7, 9), std::vector<unsigned char>(v, v + 7));
    // The link stays usable.
    peer_.Reset();
    EXPECT_EQ(COMM_OK, comm_->SetPower(1));
    ExpectLine(Sealed("00 00 01 55 55 55 55 55 55"));
}

TEST_F(SerialLink, TransferQueriesReadTwelveOrThirtySixBytes)
{
    std::string reply36;
    for (int i = 0; i < 36; ++i)
        reply36 += (i ? " " : "") + HexOf({static_cast<unsigned char>(0x80 + i)});
    peer_.SetRules(Answer(Sealed("00 07 04 55 55 55 55 55 55"), "01 02 03 04 05 06 07 08 09 0A 0B 0C") +
                   "\n" + Answer(Sealed("00 07 08 55 55 55 55 55 55"), reply36));
    const std::size_t logBefore = LogContents().size();
    unsigned char data[36] = {};
    ASSERT_EQ(COMM_OK, comm_->Transfer(4, data, 12345));
    EXPECT_EQ("01 02 03 04 05 06 07 08 09 0A 0B 0C", HexOf(std::vector<unsigned char>(data, data + 12)));
    EXPECT_EQ(0, data[12]);
    ASSERT_EQ(COMM_OK, comm_->Transfer(8, data, 0));
    EXPECT_EQ(reply36, HexOf(std::vector<unsigned char>(data, data + 36)));
    // Only the two requests were logged, not the replies.
    const std::string added = LogContents().substr(logBefore);
    EXPECT_EQ(2u, std::count(added.begin(), added.end(), '=') / 8);
    EXPECT_EQ(std::string::npos, added.find("p1=0x05"));
}

TEST_F(SerialLink, TransferBlocksAreBracketedWithoutChecksum)
{
    unsigned char data[36] = {0x03};
    ASSERT_EQ(COMM_OK, comm_->Transfer(10, data, 0));
    ExpectLine(LinePeer::Join({{0, LinePeer::Hex("AA BB 00 09 00 01 55 55 55 55 55 55")},
                               {0, Sealed("02 00 03 55 55 55 55 55 55")},
                               {0, LinePeer::Hex("AA BB 00 09 00 00 55 55 55 55 55 55")}}));
    peer_.Reset();
    data[0] = 7;
    ASSERT_EQ(COMM_OK, comm_->Transfer(11, data, 0));
    data[0] = 2;
    ASSERT_EQ(COMM_OK, comm_->Transfer(12, data, 0));
    ExpectLine(LinePeer::Join({{0, LinePeer::Hex("AA BB 00 09 01 01 55 55 55 55 55 55")},
                               {0, Sealed("02 00 07 55 55 55 55 55 55")},
                               {0, LinePeer::Hex("AA BB 00 09 01 00 55 55 55 55 55 55")},
                               {0, LinePeer::Hex("AA BB 00 09 02 01 55 55 55 55 55 55")},
                               {0, Sealed("02 00 02 55 55 55 55 55 55")},
                               {0, LinePeer::Hex("AA BB 00 09 02 00 55 55 55 55 55 55")}}));
}

TEST_F(SerialLink, ShieldEdgeBlockSendsThreeDataFrames)
{
    unsigned char data[36] = {0x07, 0x80, 0x04, 0x38, 0x00, 0x10, 0x00, 0x20, 0x01, 0x02, 0x03, 0x04};
    const Stopwatch watch;
    ASSERT_EQ(COMM_OK, comm_->Transfer(13, data, 0));
    EXPECT_GE(watch.Ms(), 5 * 50 - kTimerTickMs) << "every frame of the block is followed by the pause";
    ExpectLine(LinePeer::Join({{0, LinePeer::Hex("AA BB 00 09 04 01 55 55 55 55 55 55")},
                               {0, Sealed("02 00 11 07 80 04 38 00 55")},
                               {0, Sealed("02 00 12 00 10 00 20 00 55")},
                               {0, Sealed("02 00 13 01 02 03 04 00 55")},
                               {0, LinePeer::Hex("AA BB 00 09 04 00 55 55 55 55 55 55")}}));
}

TEST_F(SerialLink, UnusedTransferKindsSendNothing)
{
    unsigned char data[36] = {1, 2, 3};
    for (int kind : {-1, 0, 3, 9, 14, 100})
        EXPECT_EQ(COMM_FAILED, comm_->Transfer(kind, data, 0)) << kind;
    Sleep(200);
    EXPECT_TRUE(peer_.Chunks().empty());
}

TEST_F(SerialLink, PurgeInputDropsWhatWaits)
{
    // Unasked bytes arrive after a command; the purge drops them so the next reply is clean.
    peer_.SetRules(Answer(Sealed("00 00 00 55 55 55 55 55 55"), "EE EE EE EE EE") + "\n" +
                   Answer(kClockRequest, "AA BB 00 07 01 00 00 00 01 01 20 00"));
    ASSERT_EQ(COMM_OK, comm_->SetPower(0));
    Sleep(300);
    EXPECT_NE(0, comm_->PurgeInput());
    unsigned char v[7] = {};
    ASSERT_EQ(COMM_OK, comm_->ReadClock(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6]));
    EXPECT_EQ((std::vector<unsigned char>{1, 0, 0, 0, 1, 1, 20}), std::vector<unsigned char>(v, v + 7));
}

}  // namespace
