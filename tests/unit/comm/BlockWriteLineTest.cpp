// Block writes (Transfer kinds 10..13) on a line whose writes fail part-way: the result tells of
// any failed write, the data frames stop at the first failure, the closing bracket is still tried
// after a failed data frame, and nothing follows a failed opening bracket.
#include "tests/unit/comm/SerialLinkFixture.h"

#include <algorithm>

namespace {

// The device link with one write of the line failing on cue: frame number failAt (0-based,
// counted from the link's creation) is not written and reports a failed write.
class FailingWriteLink : public CSerialComm {
public:
    explicit FailingWriteLink(int failAt) : failAt_(failAt) {}
    int SendFrame(const unsigned char* frame) override
    {
        return sent_++ == failAt_ ? COMM_FAILED : CSerialComm::SendFrame(frame);
    }

private:
    int failAt_;
    int sent_ = 0;
};

const unsigned char kEdges[36] = {0x07, 0x80, 0x04, 0x38, 0x00, 0x10,
                                  0x00, 0x20, 0x01, 0x02, 0x03, 0x04};

class BlockWriteLine : public SerialLink {
protected:
    // Transfer 13 over a link whose write number failAt fails; returns its result.
    int ShieldEdgeFailingAt(int failAt)
    {
        EXPECT_EQ(COMM_OK, comm_->Disconnect());  // the port is the failing link's now
        FailingWriteLink link(failAt);
        EXPECT_EQ(COMM_OK, link.Connect(profileDir_.c_str()));
        unsigned char data[36];
        std::copy(kEdges, kEdges + 36, data);
        return link.Transfer(13, data, 0);
    }
    // What the line carried: waits for the frames expected (the link wrote them all before
    // Transfer returned), then a little longer for any byte beyond them.
    std::string LineCarried(std::size_t frames)
    {
        if (frames > 0)
            peer_.WaitFor(12 * frames, 5000);
        return LinePeer::ToHex(LinePeer::Join(peer_.WaitFor(12 * frames + 1, 500)));
    }

    const std::string open = "AA BB 00 09 04 01 55 55 55 55 55 55";
    const std::string data1 = LinePeer::ToHex(Sealed("02 00 11 07 80 04 38 00 55"));
    const std::string data2 = LinePeer::ToHex(Sealed("02 00 12 00 10 00 20 00 55"));
    const std::string data3 = LinePeer::ToHex(Sealed("02 00 13 01 02 03 04 00 55"));
    const std::string close = "AA BB 00 09 04 00 55 55 55 55 55 55";
};

TEST_F(BlockWriteLine, AFailedDataFrameStopsTheDataButTheBlockIsStillClosed)
{
    EXPECT_EQ(COMM_FAILED, ShieldEdgeFailingAt(1));
    EXPECT_EQ(open + " " + close, LineCarried(2));
}

TEST_F(BlockWriteLine, ALaterDataFrameFailingKeepsWhatWentBefore)
{
    EXPECT_EQ(COMM_FAILED, ShieldEdgeFailingAt(2));
    EXPECT_EQ(open + " " + data1 + " " + close, LineCarried(3));
}

TEST_F(BlockWriteLine, AFailedClosingBracketIsAFailure)
{
    EXPECT_EQ(COMM_FAILED, ShieldEdgeFailingAt(4));
    EXPECT_EQ(open + " " + data1 + " " + data2 + " " + data3, LineCarried(4));
}

TEST_F(BlockWriteLine, NothingFollowsAFailedOpeningBracket)
{
    EXPECT_EQ(COMM_FAILED, ShieldEdgeFailingAt(0));
    EXPECT_EQ("", LineCarried(0));
}

TEST_F(BlockWriteLine, AHealthyLineCarriesTheBlockAsBefore)
{
    EXPECT_EQ(COMM_OK, ShieldEdgeFailingAt(-1));
    EXPECT_EQ(open + " " + data1 + " " + data2 + " " + data3 + " " + close, LineCarried(5));
}

TEST_F(BlockWriteLine, SingleFrameBlocksFailTheSameWay)
{
    ASSERT_EQ(COMM_OK, comm_->Disconnect());
    FailingWriteLink link(1);
    ASSERT_EQ(COMM_OK, link.Connect(profileDir_.c_str()));
    unsigned char data[36] = {0x03};
    EXPECT_EQ(COMM_FAILED, link.Transfer(10, data, 0));
    EXPECT_EQ("AA BB 00 09 00 01 55 55 55 55 55 55 AA BB 00 09 00 00 55 55 55 55 55 55",
              LineCarried(2));
}

}  // namespace
