#include "tools/tzsim/Processor.h"
#include "tests/unit/tzsim/Frames.h"

#include <gtest/gtest.h>

namespace tzsim {
namespace {

using test::board;
using test::bracket;
using test::device;

class ProcessorTest : public ::testing::Test {
protected:
    // 4x2 panels, MPD count 4: board 1 region, 2..4 PIP windows, 5..12 panels.
    Processor p{WallConfig{}, DateTime{2026, 12, 7, 13, 0, 0}};

    Outcome apply(const FrameBytes& f, double ms = 0) { return p.applyFrame(f, ms); }
    void applyClean(const FrameBytes& f, double ms = 0)
    {
        const Outcome o = apply(f, ms);
        EXPECT_TRUE(o.anomalies.empty()) << o.meaning << ": " << o.anomalies.front();
    }
};

TEST_F(ProcessorTest, PowerFollowsSetPowerAndShowsInTheStatusByte)
{
    applyClean(device({0x00, 0x01}));
    EXPECT_FALSE(p.state().powerOn);
    Outcome o = apply(device({0x07, 0x03}));
    ASSERT_EQ(12u, o.reply.size());
    EXPECT_EQ(0x08, o.reply[4]) << "clock valid, power off";
    applyClean(device({0x00, 0x00}));
    o = apply(device({0x07, 0x03}));
    EXPECT_EQ(0x09, o.reply[4]);
    EXPECT_EQ(1u, apply(device({0x00, 0x02})).anomalies.size());
}

TEST_F(ProcessorTest, ClockSetInBcdReadsBackRunningOn)
{
    // SetClock flag 1 for 2012-01-07 03:06:33.
    applyClean(device({0x04, 0x01, 0x33, 0x06, 0x03, 0x07, 0x01, 0x12}), 1000.0);
    const Outcome o = apply(device({0x07, 0x00}), 3500.0);
    ASSERT_EQ(12u, o.reply.size());
    const std::vector<std::uint8_t> expected{0xAA, 0xBB, 0x00, 0x07, 0x01, 0x35,
                                             0x06, 0x03, 0x07, 0x01, 0x12};
    EXPECT_EQ(expected, std::vector<std::uint8_t>(o.reply.begin(), o.reply.begin() + 11));
    EXPECT_EQ(frameChecksum(makeFrame({0x00, 0x07, 0x01, 0x35, 0x06, 0x03, 0x07, 0x01, 0x12})),
              o.reply[11]);

    // Not BCD, or no such date: refused, clock unchanged.
    EXPECT_EQ(1u, apply(device({0x04, 0x01, 0x3A, 0x06, 0x03, 0x07, 0x01, 0x12})).anomalies.size());
    EXPECT_EQ(1u, apply(device({0x04, 0x01, 0x00, 0x00, 0x00, 0x31, 0x02, 0x12})).anomalies.size());
    EXPECT_EQ(2012, p.state().clock.setTo.year);
    // Flag 0 with zeros: the clock is not valid and reads back flag 0.
    applyClean(device({0x04, 0x00, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(0x00, apply(device({0x07, 0x00})).reply[4]);
}

TEST_F(ProcessorTest, TimersReplySkipByte5)
{
    // Power-off timer enabled, 08:30 on 15 June 2012.
    applyClean(device({0x05, 0x01, 0x55, 0x30, 0x08, 0x15, 0x06, 0x12}));
    const Outcome o = apply(device({0x07, 0x01}));
    EXPECT_EQ((std::vector<std::uint8_t>{0x01, 0x55, 0x30, 0x08, 0x15, 0x06, 0x12}),
              std::vector<std::uint8_t>(o.reply.begin() + 4, o.reply.begin() + 11));
    EXPECT_EQ(0x00, apply(device({0x07, 0x02})).reply[4]) << "power-on timer untouched";
    // An argument in byte 5 is something the device does not expect.
    EXPECT_EQ(1u, apply(device({0x06, 0x01, 0x00, 0x30, 0x08, 0x15, 0x06, 0x12})).anomalies.size());
}

TEST_F(ProcessorTest, PresetFramesAreStoredNotShownAndRecalledByCallPreset)
{
    applyClean(device({0x02, 0x03, 0x01}));
    EXPECT_EQ("stored in preset 3", apply(board(0, 0x02, {0x05})).meaning);
    applyClean(board(2, 0x0E, {0x00, 0x01}));
    applyClean(device({0x02, 0x03, 0x00}));
    EXPECT_EQ(-1, p.state().resolution);
    EXPECT_TRUE(p.state().pips.empty());
    EXPECT_EQ(2u, p.presets().at(3).size());

    const Outcome o = apply(device({0x01, 0x03}));
    EXPECT_EQ("CallPreset 3 (2 frames replayed)", o.meaning);
    EXPECT_EQ(5, p.state().resolution);
    EXPECT_TRUE(p.state().pips.at(2).on);

    EXPECT_EQ("preset 4 holds nothing", apply(device({0x01, 0x04})).anomalies.at(0));
    EXPECT_EQ(1u, apply(device({0x02, 0x03, 0x00})).anomalies.size()) << "end without begin";
}

TEST_F(ProcessorTest, BlockTransfersStoreTheirValues)
{
    applyClean(bracket(1, true));
    applyClean(board(0, 0x07, {}));
    applyClean(bracket(1, false));
    EXPECT_EQ(7, p.state().powerUp.mpd);

    // Kind 13: three frames 11/12/13 with four data bytes and 00.
    applyClean(bracket(4, true));
    applyClean(board(0, 0x11, {0x01, 0x02, 0x03, 0x04, 0x00}));
    applyClean(board(0, 0x12, {0x05, 0x06, 0x07, 0x08, 0x00}));
    applyClean(board(0, 0x13, {0x09, 0x0A, 0x0B, 0x0C, 0x00}));
    applyClean(bracket(4, false));
    EXPECT_EQ(12, p.state().powerUp.shieldEdge[11]);
    EXPECT_EQ(1, p.state().powerUp.shieldEdge[0]);
    // Kind 8 reads the block back as three frames.
    const Outcome o = apply(device({0x07, 0x08}));
    ASSERT_EQ(36u, o.reply.size());
    EXPECT_EQ(0x13, o.reply[24 + 5]);
    EXPECT_EQ(0x0C, o.reply[24 + 9]);

    // Closing a different block, or one never opened.
    applyClean(bracket(0, true));
    EXPECT_EQ(1u, apply(bracket(2, false)).anomalies.size());
    EXPECT_EQ(1u, apply(bracket(2, false)).anomalies.size());
    EXPECT_EQ(-1, p.state().powerUp.subtitle);
}

TEST_F(ProcessorTest, MpdAssignmentLayoutAndPipWindows)
{
    applyClean(board(1, 0x08, {0x06}));          // region shows DVI
    applyClean(board(2, 0x08, {0x04}));          // MPD channel boards
    applyClean(board(5, 0x08, {0x00}));          // panel 1 shows the MPD channel
    applyClean(board(5, 0x0A, {0x02, 0x01, 0x01}));
    applyClean(board(6, 0x0A, {0x02, 0x01, 0x02}));
    applyClean(board(3, 0x0E, {0x02, 0x01, 0x40, 0x00, 0xF0}));   // size 320 x 240
    applyClean(board(3, 0x0E, {0x01, 0x00, 0x64, 0x00, 0x32}));   // at 100, 50
    applyClean(board(3, 0x0E, {0x00, 0x01}));
    applyClean(board(3, 0x09, {0x03}));
    applyClean(board(3, 0x0E, {0x03, 0x20}));

    EXPECT_EQ(6, p.state().boards.at(1).input);
    EXPECT_EQ(0, p.state().boards.at(5).input);
    EXPECT_EQ(2, p.state().boards.at(6).order);
    const Pip& pip = p.state().pips.at(3);
    EXPECT_TRUE(pip.on);
    EXPECT_EQ(100, pip.x);
    EXPECT_EQ(50, pip.y);
    EXPECT_EQ(320, pip.width);
    EXPECT_EQ(240, pip.height);
    EXPECT_EQ(3, pip.input);
    EXPECT_EQ(0x20, pip.transparency);
    EXPECT_EQ("panel 1", p.boardName(5));
}

TEST_F(ProcessorTest, InputTypeTwelveLeavesABoardWithoutASource)
{
    applyClean(board(1, 0x08, {0x06}));
    ASSERT_EQ(6, p.state().boards.at(1).input);
    // The scene restore's "no input chosen" for the MPD region: accepted, the source cleared.
    const Outcome o =
        apply(FrameBytes{0xAA, 0xBB, 0x02, 0x01, 0x08, 0x0C, 0x55, 0x55, 0x55, 0x55, 0x55, 0xC0});
    EXPECT_TRUE(o.anomalies.empty()) << o.anomalies.front();
    EXPECT_EQ("SelectInput MPD region type 12", o.meaning);
    EXPECT_EQ(-1, p.state().boards.at(1).input);
    applyClean(board(2, 0x09, {0x02}));
    applyClean(board(2, 0x09, {0x0C}));
    EXPECT_EQ(-1, p.state().pips.at(2).input);
    // Types between the sources and "none" are still refused, and change nothing.
    applyClean(board(1, 0x08, {0x03}));
    EXPECT_EQ(1u, apply(board(1, 0x08, {0x07})).anomalies.size());
    EXPECT_EQ(1u, apply(board(1, 0x08, {0x0B})).anomalies.size());
    EXPECT_EQ(1u, apply(board(2, 0x09, {0x0D})).anomalies.size());
    EXPECT_EQ(3, p.state().boards.at(1).input);
}

TEST_F(ProcessorTest, StrictAboutWhatARealProcessorWouldMisHandle)
{
    // PIP input for a panel, PIP flag that does not match the board, a board that does not exist,
    // a PIP leaving the region, an argument where the command has none, the edge-mask key.
    EXPECT_EQ(1u, apply(board(5, 0x09, {0x02})).anomalies.size());
    EXPECT_EQ(1u, apply(board(2, 0x03, {0x00, 0x01})).anomalies.size());
    EXPECT_EQ(1u, apply(board(13, 0x01, {})).anomalies.size());
    applyClean(board(2, 0x0E, {0x02, 0x07, 0x80, 0x01, 0x00}));   // 1920 x 256
    EXPECT_EQ(1u, apply(board(2, 0x0E, {0x01, 0x00, 0x02, 0x00, 0x00})).anomalies.size());
    EXPECT_EQ(1u, apply(board(5, 0x01, {0x00})).anomalies.size());
    EXPECT_EQ(1u, apply(board(0, 0xFF, {0xAC, 0xFE, 0xFD, 0x08, 0x01})).anomalies.size());
    applyClean(board(0, 0xFF, {0xAC, 0xFE, 0xFD, 0x07, 0x04}));
    EXPECT_EQ(4, p.state().edgeMask);
    // Events the processor knows but gives no meaning are not anomalies; unknown ones are.
    applyClean(board(0, 0x19, {0x01, 0x02}));
    EXPECT_EQ(1u, apply(board(0, 0x1D, {})).anomalies.size());
    EXPECT_EQ(1u, apply(device({0x08})).anomalies.size());
}

TEST_F(ProcessorTest, ModesMenusAndFactorySettings)
{
    applyClean(board(0, 0x0F, {0x06, 0x01}));
    applyClean(board(0, 0x0F, {0x05, 0x00}));
    applyClean(board(0, 0x0F, {0x04}));
    applyClean(board(7, 0x0F, {0x02, 0x01}));
    EXPECT_EQ(1, p.state().naturalScene);
    EXPECT_EQ(0, p.state().hdBaseImage);
    EXPECT_EQ(4, p.state().startupImage);
    EXPECT_EQ(1, p.state().boards.at(7).menu);

    applyClean(board(0, 0x10, {0x01}));   // save
    applyClean(board(0, 0x02, {0x03}));
    applyClean(board(0, 0x10, {0x00}));   // restore
    EXPECT_EQ(-1, p.state().resolution);
    EXPECT_EQ(1, p.state().factorySaves);
    EXPECT_EQ(1, p.state().factoryRestores);
}

TEST_F(ProcessorTest, QueriesAnswerWithTheirLengths)
{
    for (std::uint8_t kind = 0; kind <= 7; ++kind)
        EXPECT_EQ(12u, apply(device({0x07, kind})).reply.size()) << int(kind);
    EXPECT_EQ(36u, apply(device({0x07, 0x08})).reply.size());
    const Outcome identity = apply(device({0x07, 0x04}));
    EXPECT_EQ('T', identity.reply[5]);
    EXPECT_EQ(4, identity.reply[8]);
    EXPECT_TRUE(apply(device({0x07, 0x09})).reply.empty());
}

TEST_F(ProcessorTest, TextTieCommandsAndJunk)
{
    Outcome o = p.applyRaw({'3', '*'}, 0);
    EXPECT_TRUE(o.anomalies.empty());
    o = p.applyRaw({'7', '!', '1', '2', '*', '4', '!'}, 0);
    EXPECT_EQ("matrix sis address 0: output 7 <- input 3; matrix sis address 0: output 4 <- input 12",
              o.meaning);
    EXPECT_EQ(2u, p.state().crosspoints.size());
    o = p.applyRaw({'x', '!', 0x01}, 0);
    EXPECT_EQ(2u, o.anomalies.size());
    p.applyRaw({'5', '*'}, 0);
    EXPECT_EQ(1u, p.idle().anomalies.size());
}

}  // namespace
}  // namespace tzsim
