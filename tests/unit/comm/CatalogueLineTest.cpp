// Every slot of the interface, called by its slot number, puts exactly its frame on the line.
#include "tests/unit/comm/SerialLinkFixture.h"

#include <functional>

namespace {

struct SlotCase {
    int slot;
    std::function<int(CComm*)> call;
    const char* body;  // bytes 2..10; the checksum follows the sum rule
};

const SlotCase kDeviceCases[] = {
    {7, [](CComm* c) { return CallSlot(c, 7, 0); }, "00 00 00 55 55 55 55 55 55"},
    {7, [](CComm* c) { return CallSlot(c, 7, 1); }, "00 00 01 55 55 55 55 55 55"},
    {8, [](CComm* c) { return CallSlot(c, 8, 0x13); }, "00 01 13 55 55 55 55 55 55"},
    {9, [](CComm* c) { return CallSlot(c, 9, 5, 1); }, "00 02 05 01 55 55 55 55 55"},
    {14, [](CComm* c) { return CallSlot(c, 14, 1, 33, 6, 3, 7, 1, 12); },
     "00 04 01 33 06 03 07 01 12"},
    {14, [](CComm* c) { return CallSlot(c, 14, 0, 0, 0, 0, 0, 0, 0); },
     "00 04 00 00 00 00 00 00 00"},
    {14, [](CComm* c) { return CallSlot(c, 14, 1, 59, 59, 23, 31, 12, 100); },
     "00 04 01 59 59 23 31 12 00"},
    {15, [](CComm* c) { return CallSlot(c, 15, 1, 30, 8, 1, 1, 9); }, "00 05 01 55 30 08 01 01 09"},
    {16, [](CComm* c) { return CallSlot(c, 16, 1, 45, 21, 1, 1, 9); }, "00 06 01 55 45 21 01 01 09"},
    {16, [](CComm* c) { return CallSlot(c, 16, 0, 0, 0, 0, 0, 0); }, "00 06 00 55 00 00 00 00 00"},
    {17, [](CComm* c) { return CallSlot(c, 17); }, "00 03 11 22 55 55 55 55 55"},
};

const SlotCase kBoardCases[] = {
    {18, [](CComm* c) { return CallSlot(c, 18, 3, 1); }, "02 03 0F 02 01 55 55 55 55"},
    {19, [](CComm* c) { return CallSlot(c, 19, 3); }, "02 00 0F 03 55 55 55 55 55"},
    {20, [](CComm* c) { return CallSlot(c, 20, 0x21); }, "02 21 00 55 55 55 55 55 55"},
    {21, [](CComm* c) { return CallSlot(c, 21, 0); }, "02 00 01 55 55 55 55 55 55"},
    {22, [](CComm* c) { return CallSlot(c, 22, 0, 9); }, "02 00 02 09 55 55 55 55 55"},
    {22, [](CComm* c) { return CallSlot(c, 22, 0, 300); }, "02 00 02 2C 55 55 55 55 55"},
    {23, [](CComm* c) { return CallSlot(c, 23, 4, 1, 0); }, "02 04 03 01 00 55 55 55 55"},
    {24, [](CComm* c) { return CallSlot(c, 24, 4, 0, 1); }, "02 04 04 00 01 55 55 55 55"},
    {25, [](CComm* c) { return CallSlot(c, 25, 4, 1, 1); }, "02 04 05 01 01 55 55 55 55"},
    {26, [](CComm* c) { return CallSlot(c, 26, 2, 1); }, "02 02 06 01 55 55 55 55 55"},
    {27, [](CComm* c) { return CallSlot(c, 27, 7); }, "02 07 07 55 55 55 55 55 55"},
    {28, [](CComm* c) { return CallSlot(c, 28, 5, 6); }, "02 05 08 06 55 55 55 55 55"},
    {29, [](CComm* c) { return CallSlot(c, 29, 2, 6); }, "02 02 09 06 55 55 55 55 55"},
    {30, [](CComm* c) { return CallSlot(c, 30, 6, 2, 3, 4); }, "02 06 0A 02 03 04 55 55 55"},
    {31, [](CComm* c) { return CallSlot(c, 31, 1, 2, 3); }, "02 01 0B 02 03 55 55 55 55"},
    {32, [](CComm* c) { return CallSlot(c, 32, 1, 2, 3); }, "02 01 0C 02 03 55 55 55 55"},
    {33, [](CComm* c) { return CallSlot(c, 33, 2, 0x10, 0x20, 0x30); }, "02 02 0D 10 20 30 55 55 55"},
    {34, [](CComm* c) { return CallSlot(c, 34, 2, 0, 1, 0x55, 0x55, 0x55); },
     "02 02 0E 00 01 55 55 55 55"},
    {35, [](CComm* c) { return CallSlot(c, 35, 1, 2, 3, 4, 5, 6); }, "02 01 16 02 03 04 05 06 55"},
    {36, [](CComm* c) { return CallSlot(c, 36, 1, 2, 3, 4, 5, 6, 7); },
     "02 01 16 02 03 04 05 06 07"},
    {37, [](CComm* c) { return CallSlot(c, 37, 0, 1); }, "02 00 10 01 55 55 55 55 55"},
    {38, [](CComm* c) { return CallSlot(c, 38, 9, 0x07, 0x80, 0x04, 0x38, 0); },
     "02 09 11 07 80 04 38 00 55"},
    {39, [](CComm* c) { return CallSlot(c, 39, CComm::PanelSizeEvent12, 9, 0, 0x20, 0, 0x10, 0); },
     "02 09 12 00 20 00 10 00 55"},
    {40, [](CComm* c) { return CallSlot(c, 40, CComm::PanelSizeEvent13, 9, 1, 2, 3, 4, 1); },
     "02 09 13 01 02 03 04 01 55"},
    {41, [](CComm* c) { return CallSlot(c, 41, 0, 0xAC, 0xFE, 0xFD, 7, 1); },
     "02 00 FF AC FE FD 07 01 55"},
    {44, [](CComm* c) { return CallSlot(c, 44, 1, 2, 3, 4); }, "02 01 16 02 03 04 55 55 55"},
    {45, [](CComm* c) { return CallSlot(c, 45, 1, 2, 3, 4); }, "02 01 17 02 03 04 55 55 55"},
    {46, [](CComm* c) { return CallSlot(c, 46, 0, 6, 1); }, "02 00 0F 06 01 55 55 55 55"},
    {47, [](CComm* c) { return CallSlot(c, 47, 1, 2, 3); }, "02 01 15 02 03 55 55 55 55"},
    {48, [](CComm* c) { return CallSlot(c, 48, 1, 2, 3); }, "02 01 19 02 03 55 55 55 55"},
    {49, [](CComm* c) { return CallSlot(c, 49, 1, 2, 3, 4, 5, 6, 7); },
     "02 01 19 02 03 04 05 06 07"},
    {50, [](CComm* c) { return CallSlot(c, 50, CComm::BoardEvent19Drop, 1, 2, 1, 2, 3, 6, 7); },
     "02 01 19 02 55 55 55 06 07"},
    {51, [](CComm* c) { return CallSlot(c, 51, 1, 2, 3, 4, 5, 6, 7); },
     "02 01 18 02 03 04 05 06 07"},
    {52, [](CComm* c) { return CallSlot(c, 52, 1, 300); }, "02 01 1C 2C 55 55 55 55 55"},
};

TEST_F(SerialLink, WorkedExamplesByteForByte)
{
    EXPECT_EQ(COMM_OK, comm_->SetPower(0));
    ExpectLine(LinePeer::Hex("AA BB 00 00 00 55 55 55 55 55 55 FE"));
    peer_.Reset();
    EXPECT_EQ(COMM_OK, comm_->SetClock(1, 33, 6, 3, 7, 1, 12));
    ExpectLine(Sealed("00 04 01 33 06 03 07 01 12"));
}

TEST_F(SerialLink, EveryDeviceSlotSendsItsFrame)
{
    std::vector<unsigned char> expected;
    for (const SlotCase& c : kDeviceCases) {
        EXPECT_EQ(COMM_OK, c.call(comm_)) << "slot " << c.slot;
        const std::vector<unsigned char> frame = Sealed(c.body);
        expected.insert(expected.end(), frame.begin(), frame.end());
    }
    ExpectLine(expected);
}

TEST_F(SerialLink, EveryBoardSlotSendsItsFrame)
{
    std::vector<unsigned char> expected;
    for (const SlotCase& c : kBoardCases) {
        EXPECT_EQ(COMM_OK, c.call(comm_)) << "slot " << c.slot;
        const std::vector<unsigned char> frame = Sealed(c.body);
        expected.insert(expected.end(), frame.begin(), frame.end());
    }
    ExpectLine(expected);
}

TEST_F(SerialLink, FramesAreSpacedByFiftyMilliseconds)
{
    // Each call writes its frame and pauses 50 ms before it returns, which the caller's clock
    // sees; the peer's time stamps would not do, since a late read shortens a gap.
    std::vector<unsigned char> expected;
    for (int i = 0; i < 4; ++i) {
        const Stopwatch watch;
        ASSERT_EQ(COMM_OK, comm_->CallPreset(i));
        EXPECT_GE(watch.Ms(), 50 - kTimerTickMs) << "pause after frame " << i;
        const std::vector<unsigned char> frame =
            Sealed("00 01 0" + std::to_string(i) + " 55 55 55 55 55 55");
        expected.insert(expected.end(), frame.begin(), frame.end());
    }
    ExpectLine(expected);
}

TEST_F(SerialLink, ClosedPortSendsNothingAndReportsNotConnected)
{
    ASSERT_EQ(COMM_OK, comm_->Disconnect());
    EXPECT_EQ(COMM_OK, comm_->Disconnect()) << "closing a closed port does nothing";
    for (const SlotCase& c : kDeviceCases)
        EXPECT_EQ(COMM_NOT_CONNECTED, c.call(comm_)) << "slot " << c.slot;
    for (const SlotCase& c : kBoardCases)
        EXPECT_EQ(COMM_NOT_CONNECTED, c.call(comm_)) << "slot " << c.slot;
    unsigned char v[7] = {9, 9, 9, 9, 9, 9, 9};
    EXPECT_EQ(COMM_NOT_CONNECTED, comm_->ReadClock(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6]));
    EXPECT_EQ(COMM_NOT_CONNECTED, comm_->ReadPowerOffTimer(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5]));
    EXPECT_EQ(COMM_NOT_CONNECTED, comm_->ReadPowerOnTimer(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5]));
    EXPECT_EQ(COMM_NOT_CONNECTED, comm_->ReadStatusByte(&v[0]));
    EXPECT_EQ(std::vector<unsigned char>(7, 9), std::vector<unsigned char>(v, v + 7));
    unsigned char data[36] = {1};
    EXPECT_EQ(COMM_NOT_CONNECTED, comm_->Transfer(10, data, 0));
    EXPECT_EQ(COMM_NOT_CONNECTED, comm_->Transfer(4, data, 0));
    EXPECT_EQ(COMM_NOT_CONNECTED, comm_->Transfer(99, data, 0));
    Sleep(200);
    EXPECT_TRUE(peer_.Chunks().empty());
}

TEST_F(SerialLink, SentFramesAreLoggedInTheirLayout)
{
    const std::size_t before = LogContents().size();
    ASSERT_EQ(COMM_OK, comm_->SetPower(0));
    ASSERT_EQ(COMM_OK, comm_->SetEdgeMask(0, 0xAC, 0xFE, 0xFD, 7, 1));
    const std::string added = LogContents().substr(before);
    const std::string device = "magic:0xaa 0xbb dest:0 eventid:0x00\r\n"
                               "p1=0x00 p2=0x55 p3=0x55 p4=0x55 p5=0x55 p6=0x55 p7=0x55\r\n"
                               "crc=0xfe\r\n";
    const std::string board = "magic:0xaa 0xbb dest:2 boardid:0 eventid:255\r\n"
                              "p1=0xac p2=0xfe p3=0xfd p4=0x07 p5=0x01 p6=0x55\r\n";
    const std::string::size_type first = added.find(device);
    ASSERT_NE(std::string::npos, first) << added;
    EXPECT_NE(std::string::npos, added.find(board, first)) << added;
    // "\r\nYYYYMMDD HH:MM:SS\r\n" opens each record.
    EXPECT_EQ("\r\n", added.substr(0, 2));
    EXPECT_EQ(' ', added[10]);
    EXPECT_EQ("\r\n", added.substr(19, 2));
    ExpectLine(LinePeer::Join({{0, Sealed("00 00 00 55 55 55 55 55 55")},
                               {0, Sealed("02 00 FF AC FE FD 07 01 55")}}));
}

}  // namespace
