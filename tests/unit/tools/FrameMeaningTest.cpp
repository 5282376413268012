// Frames read back into operations: every operation of the device link, its frame built by
// TzComm's own object (through a recording line), must read back as the same call; block
// transfers, replies and damaged frames read as what they are.
#include "tools/common/FrameMeaning.h"
#include "tools/common/RecordingLink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

struct Case {
    const char* text;
    std::function<int(CComm&)> call;
};

const Case kCases[] = {
    {"SetPower(1)", [](CComm& c) { return c.SetPower(1); }},
    {"CallPreset(19)", [](CComm& c) { return c.CallPreset(19); }},
    {"RecordPreset(5,1)", [](CComm& c) { return c.RecordPreset(5, 1); }},
    {"EnterUpgradeMode()", [](CComm& c) { return c.EnterUpgradeMode(); }},
    {"SetClock(1,33,6,3,7,1,12)", [](CComm& c) { return c.SetClock(1, 33, 6, 3, 7, 1, 12); }},
    {"SetPowerOffTimer(1,30,8,15,6,12)",
     [](CComm& c) { return c.SetPowerOffTimer(1, 30, 8, 15, 6, 12); }},
    {"SetPowerOnTimer(0,0,0,0,0,0)", [](CComm& c) { return c.SetPowerOnTimer(0, 0, 0, 0, 0, 0); }},
    {"ReadStatusByte()",
     [](CComm& c) {
         unsigned char s;
         return c.ReadStatusByte(&s);
     }},
    {"SetMenu(3,0)", [](CComm& c) { return c.SetMenu(3, 0); }},
    {"SetStartupImage(4)", [](CComm& c) { return c.SetStartupImage(4); }},
    {"SetStartupImage(1)", [](CComm& c) { return c.SetStartupImage(1); }},
    {"NewScene(0)", [](CComm& c) { return c.NewScene(0); }},
    {"AutoPosition(7)", [](CComm& c) { return c.AutoPosition(7); }},
    {"SetResolution(0,44)", [](CComm& c) { return c.SetResolution(0, 300); }},
    {"SetBrightness(2,1,0)", [](CComm& c) { return c.SetBrightness(2, 1, 0); }},
    {"SetContrast(9,0,1)", [](CComm& c) { return c.SetContrast(9, 0, 1); }},
    {"SetSaturation(9,0,0)", [](CComm& c) { return c.SetSaturation(9, 0, 0); }},
    {"ResetPicture(2,1)", [](CComm& c) { return c.ResetPicture(2, 1); }},
    {"BoardEvent07(9)", [](CComm& c) { return c.BoardEvent07(9); }},
    {"SelectInput(1,12)", [](CComm& c) { return c.SelectInput(1, 12); }},
    {"SelectPipInput(2,6)", [](CComm& c) { return c.SelectPipInput(2, 6); }},
    {"SetLayout(10,2,1,2)", [](CComm& c) { return c.SetLayout(10, 2, 1, 2); }},
    {"BoardEvent0B(1,2,3)", [](CComm& c) { return c.BoardEvent0B(1, 2, 3); }},
    {"BoardEvent0C(1,2,3)", [](CComm& c) { return c.BoardEvent0C(1, 2, 3); }},
    {"SetColorBalance(5,1,2,3)", [](CComm& c) { return c.SetColorBalance(5, 1, 2, 3); }},
    {"SetPip(2,0,1,85,85,85)", [](CComm& c) { return c.SetPip(2, 0, 1, 0x55, 0x55, 0x55); }},
    {"SetPip(2,2,1,224,1,14)", [](CComm& c) { return c.SetPip(2, 2, 1, 224, 1, 14); }},
    {"BoardEvent16(1,2,3,4,5,6)", [](CComm& c) { return c.BoardEvent16(1, 2, 3, 4, 5, 6); }},
    {"BoardEvent16(1,2,3,4,5,6,7)", [](CComm& c) { return c.BoardEvent16(1, 2, 3, 4, 5, 6, 7); }},
    {"FactorySettings(0,1)", [](CComm& c) { return c.FactorySettings(0, 1); }},
    {"SetPanelSize(9,7,128,4,56,0)", [](CComm& c) { return c.SetPanelSize(9, 7, 128, 4, 56, 0); }},
    {"SetPanelSize(9,0,32,0,16,0)",
     [](CComm& c) { return c.SetPanelSize(CComm::PanelSizeEvent12, 9, 0, 32, 0, 16, 0); }},
    {"SetEdgeMask(0,172,254,253,7,1)",
     [](CComm& c) { return c.SetEdgeMask(0, 0xAC, 0xFE, 0xFD, 7, 1); }},
    {"BoardEvent16(1,2,3,4)", [](CComm& c) { return c.BoardEvent16(1, 2, 3, 4); }},
    {"BoardEvent17(1,2,3,4)", [](CComm& c) { return c.BoardEvent17(1, 2, 3, 4); }},
    {"SetBoardMode(0,6,1)", [](CComm& c) { return c.SetBoardMode(0, 6, 1); }},
    {"BoardEvent15(1,2,3)", [](CComm& c) { return c.BoardEvent15(1, 2, 3); }},
    {"BoardEvent19(1,2,3)", [](CComm& c) { return c.BoardEvent19(1, 2, 3); }},
    {"BoardEvent19(1,2,3,4,5,6,7)", [](CComm& c) { return c.BoardEvent19(1, 2, 3, 4, 5, 6, 7); }},
    {"BoardEvent19(1,2,6,7) (a3..a5 dropped)",
     [](CComm& c) { return c.BoardEvent19(CComm::BoardEvent19Drop, 1, 2, 3, 4, 5, 6, 7); }},
    {"BoardEvent18(1,2,3,4,5,6,7)", [](CComm& c) { return c.BoardEvent18(1, 2, 3, 4, 5, 6, 7); }},
    {"BoardEvent1C(1,2)", [](CComm& c) { return c.BoardEvent1C(1, 2); }},
};

std::vector<unsigned char> frame(std::initializer_list<unsigned char> bytes2to11)
{
    std::vector<unsigned char> f(bytes2to11.size() + 2);
    f[0] = 0xAA;
    f[1] = 0xBB;
    std::copy(bytes2to11.begin(), bytes2to11.end(), f.begin() + 2);
    return f;
}

// Bytes 2..10 given, checksum added.
std::vector<unsigned char> sealed(std::initializer_list<unsigned char> bytes2to10)
{
    std::vector<unsigned char> f = frame(bytes2to10);
    unsigned sum = 0;
    for (std::size_t i = 2; i < f.size(); ++i)
        sum += f[i];
    f.push_back(static_cast<unsigned char>(sum));
    return f;
}

std::string read(FrameInterpreter& in, const std::vector<unsigned char>& f)
{
    const FrameMeaning m = in.next(f.data());
    std::string text = m.text();
    for (const std::string& p : m.problems)
        text += " ! " + p;
    return text;
}

TEST(FrameMeaning, EveryOperationReadsBackAsItsCall)
{
    for (const Case& c : kCases) {
        RecordingLink line(0);
        c.call(line);
        ASSERT_FALSE(line.writes().empty()) << c.text;
        FrameInterpreter in;
        EXPECT_EQ(c.text, read(in, line.writes().front().bytes));
    }
}

TEST(FrameMeaning, BlockTransfersAndRepliesReadInTheirContext)
{
    FrameInterpreter in;
    EXPECT_EQ("Transfer(13) open",
              read(in, frame({0x00, 0x09, 0x04, 0x01, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55})));
    EXPECT_EQ("Transfer(13) data 1: 7 128 4 56",
              read(in, sealed({0x02, 0x00, 0x11, 0x07, 0x80, 0x04, 0x38, 0x00, 0x55})));
    EXPECT_EQ("Transfer(13) data 2: 0 16 0 32",
              read(in, sealed({0x02, 0x00, 0x12, 0x00, 0x10, 0x00, 0x20, 0x00, 0x55})));
    EXPECT_EQ("Transfer(13) data 3: 1 2 3 4",
              read(in, sealed({0x02, 0x00, 0x13, 0x01, 0x02, 0x03, 0x04, 0x00, 0x55})));
    EXPECT_EQ("Transfer(13) close",
              read(in, frame({0x00, 0x09, 0x04, 0x00, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55})));
    // The same board-0 frame outside a block is a board command again.
    EXPECT_EQ("SetPanelSize(0,1,2,3,4,0)",
              read(in, sealed({0x02, 0x00, 0x13, 0x01, 0x02, 0x03, 0x04, 0x00, 0x55})));

    EXPECT_EQ("ReadPowerOffTimer()",
              read(in, sealed({0x00, 0x07, 0x01, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55})));
    // The reply skips byte 5 (a timer keeps no seconds); its checksum is not the device's promise.
    EXPECT_EQ("ReadPowerOffTimer reply: 1 30 8 15 6 12",
              read(in, frame({0x00, 0x07, 0x01, 0x55, 0x30, 0x08, 0x15, 0x06, 0x12, 0x00})));
    EXPECT_EQ("ReadClock()",
              read(in, sealed({0x00, 0x07, 0x00, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55})));
    EXPECT_EQ("ReadClock reply: 1 33 6 3 7 1 12",
              read(in, frame({0x00, 0x07, 0x01, 0x33, 0x06, 0x03, 0x07, 0x01, 0x12, 0x00})));
    // Without a request before it, the same bytes are a damaged request.
    EXPECT_EQ(0u, read(in, frame({0x00, 0x07, 0x03, 0x33, 0x06, 0x03, 0x07, 0x01, 0x12, 0x00}))
                      .find("ReadStatusByte() ! checksum 0x00; bytes 2..10 sum to 0x60 ! byte 5 "
                            "carries 0x33 where the operation has no argument ! byte 6"));
    EXPECT_EQ("MatrixSwitch frame: 1 130 133 129 0 0 0 0",
              read(in, sealed({0x01, 0x01, 0x82, 0x85, 0x81, 0x00, 0x00, 0x00, 0x00})));
}

TEST(FrameMeaning, DamagedFramesSayWhatIsWrong)
{
    FrameInterpreter in;
    EXPECT_EQ("SetPower(0) ! checksum 0xFF; bytes 2..10 sum to 0xFE",
              read(in, frame({0x00, 0x00, 0x00, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0xFF})));
    EXPECT_EQ("SetPower(0) ! byte 6 carries 0x01 where the operation has no argument",
              read(in, sealed({0x00, 0x00, 0x00, 0x55, 0x01, 0x55, 0x55, 0x55, 0x55})));
    EXPECT_EQ("SetClock(1,40,6,3,7,1,12) ! byte 5 (0x3A) is not a BCD number",
              read(in, sealed({0x00, 0x04, 0x01, 0x3A, 0x06, 0x03, 0x07, 0x01, 0x12})));
    EXPECT_EQ("?(29) ! device event 0x1D is no operation",
              read(in, sealed({0x00, 0x1D, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55})));
    EXPECT_EQ("?(4,29) ! board event 0x1D is no operation",
              read(in, sealed({0x02, 0x04, 0x1D, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55})));
    EXPECT_EQ("?() ! byte 2 (5) is no frame class (0 device, 1 matrix, 2 board)",
              read(in, sealed({0x05, 0x00, 0x00, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55})));
    std::vector<unsigned char> magic =
        sealed({0x00, 0x01, 0x03, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55});
    magic[1] = 0xBC;
    EXPECT_EQ("CallPreset(3) ! magic AA BC, not AA BB", read(in, magic));
    // A bracket with a checksum in byte 11, and one closing a block never opened.
    EXPECT_EQ("Transfer(10) open ! bracket byte 11 is 0xB3; bytes 6..11 are the fill",
              read(in, sealed({0x00, 0x09, 0x00, 0x01, 0x55, 0x55, 0x55, 0x55, 0x55})));
    EXPECT_EQ("Transfer(10) close ! the block had 0 data frames, not 1",
              read(in, frame({0x00, 0x09, 0x00, 0x00, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55})));
    EXPECT_EQ("Transfer(11) close ! closes a block that is not open",
              read(in, frame({0x00, 0x09, 0x01, 0x00, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55})));
}

TEST(FrameMeaning, ABlockLeftOpenIsFlaggedOnceAndReadingGoesOn)
{
    // A block write on a line that went away: the opening bracket is logged, nothing after it.
    FrameInterpreter in;
    EXPECT_EQ("Transfer(13) open",
              read(in, frame({0x00, 0x09, 0x04, 0x01, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55})));
    EXPECT_EQ("SetPower(1) ! inside the open block of Transfer(13), which takes only board 0 "
              "data: its closing bracket never came",
              read(in, sealed({0x00, 0x00, 0x01, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55})));
    // What follows is read as it is: no block to blame, board 0 frames are board commands.
    EXPECT_EQ("SelectInput(1,12)",
              read(in, sealed({0x02, 0x01, 0x08, 0x0C, 0x55, 0x55, 0x55, 0x55, 0x55})));
    EXPECT_EQ("SetPanelSize(0,1,2,3,4,0)",
              read(in, sealed({0x02, 0x00, 0x13, 0x01, 0x02, 0x03, 0x04, 0x00, 0x55})));
    EXPECT_EQ("Transfer(13) open",
              read(in, frame({0x00, 0x09, 0x04, 0x01, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55})));
    // Two openings in a row are still one fault of the first.
    EXPECT_EQ("Transfer(10) open ! opens a block while Transfer(13)'s is open",
              read(in, frame({0x00, 0x09, 0x00, 0x01, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55})));
    EXPECT_EQ("Transfer(10) data: 9",
              read(in, sealed({0x02, 0x00, 0x09, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55})));
}

}  // namespace
