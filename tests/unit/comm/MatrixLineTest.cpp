// The matrix hand-off through the test TzCommFun (see FakeTzCommFun.cpp for how its arguments
// choose the reply): frames in 8-byte chunks with the matrix delay around each, raw blocks,
// empty replies and replies outside the contract.
#include "tests/unit/comm/SerialLinkFixture.h"

#include "comm/CommState.h"
#include "fx/seam/Win32Seam.h"

#include <algorithm>

namespace {

typedef void (*FakeLastCallProc)(int*);

std::vector<int> LastCall()
{
    std::vector<int> values(8, -1);
    FakeLastCallProc last = reinterpret_cast<FakeLastCallProc>(
        reinterpret_cast<void*>(GetProcAddress(g_commState.matrixModule, "FakeLastCall")));
    if (last)
        last(values.data());
    return values;
}

std::vector<unsigned char> RecordData(int record, int from, int count, int x)
{
    std::vector<unsigned char> out;
    for (int j = from; j < from + count; ++j)
        out.push_back(static_cast<unsigned char>((record * 0x20 + j) ^ x));
    return out;
}

std::vector<unsigned char> MatrixFrame(const std::vector<unsigned char>& data)
{
    std::vector<unsigned char> frame(3 + data.size());
    frame[0] = 0xAA;
    frame[1] = 0xBB;
    frame[2] = 0x01;
    std::copy(data.begin(), data.end(), frame.begin() + 3);
    unsigned int sum = 0;
    for (std::size_t i = 2; i < frame.size(); ++i)
        sum += frame[i];
    frame.push_back(static_cast<unsigned char>(sum & 0xFF));
    return frame;
}

TEST_F(SerialLink, ModeZeroSendsEightByteChunksWithTheDelays)
{
    ASSERT_EQ(40, g_commState.matrixDelayMs);
    const std::size_t logBefore = LogContents().size();
    const Stopwatch watch;
    // Two records of 8 and 20 bytes: 1 + 3 frames.
    ASSERT_EQ(COMM_OK, comm_->MatrixSwitch(2, 0, 8, 12, 0x5A));
    const double took = watch.Ms();
    EXPECT_EQ((std::vector<int>{0, 0, 1, 2, 0, 8, 12, 0x5A}), LastCall());

    std::vector<unsigned char> expected;
    for (const std::vector<unsigned char>& frame :
         {MatrixFrame(RecordData(0, 0, 8, 0x5A)), MatrixFrame(RecordData(1, 0, 8, 0x5A)),
          MatrixFrame(RecordData(1, 8, 8, 0x5A)), MatrixFrame(RecordData(1, 16, 8, 0x5A))})
        expected.insert(expected.end(), frame.begin(), frame.end());
    ExpectLine(expected);
    // The full delay before every frame and half of it after: 4 x (40 + 20) ms, measured where
    // the pauses happen. (The peer stamps a chunk when it reads it, which a loaded machine can
    // delay, so its gaps prove nothing about the pauses.) Without the half delay after each frame
    // the call would take 160 ms.
    EXPECT_GE(took, 4 * 60 - kTimerTickMs);
    // Matrix frames are logged in the board layout.
    const std::string added = LogContents().substr(logBefore);
    EXPECT_NE(std::string::npos, added.find("dest:1 boardid:90 eventid:91"));
}

TEST_F(SerialLink, ModeOneWritesRawRecordsUnlogged)
{
    const std::size_t logBefore = LogContents().size();
    ASSERT_EQ(COMM_OK, comm_->MatrixSwitchAlt(2, 1, 5, 4, 0));
    EXPECT_EQ(1, LastCall()[1]) << "Alt asks for mode 1";
    std::vector<unsigned char> expected = RecordData(0, 0, 5, 0);
    const std::vector<unsigned char> second = RecordData(1, 0, 9, 0);
    expected.insert(expected.end(), second.begin(), second.end());
    ExpectLine(expected);
    Sleep(100);
    EXPECT_EQ(expected.size(), LinePeer::Join(peer_.Chunks()).size()) << "nothing more";
    EXPECT_EQ(logBefore, LogContents().size());
}

TEST_F(SerialLink, ModeIsWhatTheLibraryReturns)
{
    // MatrixSwitch asks for mode 0 but the library answers mode 1: raw writes follow.
    ASSERT_EQ(COMM_OK, comm_->MatrixSwitch(1, 1, 3, 0, 0));
    ExpectLine(RecordData(0, 0, 3, 0));
}

TEST_F(SerialLink, EmptyAndOutOfContractReplies)
{
    EXPECT_EQ(COMM_OK, comm_->MatrixSwitch(0, 0, 8, 0, 0));
    EXPECT_EQ(COMM_FAILED, comm_->MatrixSwitch(6, 0, 8, 0, 0)) << "six records";
    EXPECT_EQ(COMM_FAILED, comm_->MatrixSwitchAlt(2, 1, 30, 3, 0)) << "second record of 33 bytes";
    EXPECT_EQ(COMM_FAILED, comm_->MatrixSwitch(1, 0, -1, 0, 0)) << "length 0xFFFFFFFF";
    EXPECT_EQ(COMM_OK, comm_->MatrixSwitch(1, 0, 32, 0, 0)) << "32 bytes is the limit";
    ExpectLine([] {
        std::vector<unsigned char> all;
        for (int offset = 0; offset < 32; offset += 8) {
            const std::vector<unsigned char> f = MatrixFrame(RecordData(0, offset, 8, 0));
            all.insert(all.end(), f.begin(), f.end());
        }
        return all;
    }());
    EXPECT_EQ(48u, LinePeer::Join(peer_.Chunks()).size());
}

TEST_F(SerialLink, ZeroLengthRecordStillSendsItsFirstChunk)
{
    ASSERT_EQ(COMM_OK, comm_->MatrixSwitch(1, 0, 0, 0, 0));
    ExpectLine(MatrixFrame(RecordData(0, 0, 8, 0)));
}

TEST_F(SerialLink, NoMatrixLibraryMeansFailureAndSilence)
{
    const DealMaxtrixSwitchProc saved = g_commState.dealMatrixSwitch;
    g_commState.dealMatrixSwitch = nullptr;  // as after loading a library without the export
    EXPECT_EQ(COMM_FAILED, comm_->MatrixSwitch(1, 0, 8, 0, 0));
    EXPECT_EQ(COMM_FAILED, comm_->MatrixSwitchAlt(1, 1, 8, 0, 0));
    g_commState.dealMatrixSwitch = saved;
    Sleep(300);
    EXPECT_TRUE(peer_.Chunks().empty());
}

TEST_F(SerialLink, MatrixOnAClosedPortIsNotConnected)
{
    ASSERT_EQ(COMM_OK, comm_->Disconnect());
    EXPECT_EQ(COMM_NOT_CONNECTED, comm_->MatrixSwitch(1, 0, 8, 0, 0));
    EXPECT_EQ(COMM_NOT_CONNECTED, comm_->MatrixSwitchAlt(1, 1, 8, 0, 0));
    EXPECT_EQ(COMM_OK, comm_->MatrixSwitch(0, 0, 8, 0, 0)) << "nothing to send";
}

}  // namespace
