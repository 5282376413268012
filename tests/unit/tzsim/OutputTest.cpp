#include "tools/tzsim/StateJson.h"
#include "tools/tzsim/WallSvg.h"
#include "tests/unit/tzsim/Frames.h"

#include <gtest/gtest.h>

namespace tzsim {
namespace {

using test::board;
using test::device;

class OutputTest : public ::testing::Test {
protected:
    Processor p{WallConfig{2, 1, 3, 1920, 1080}, DateTime{2026, 1, 2, 3, 4, 5}};

    void SetUp() override
    {
        // Panel 1 (board 4) shows the MPD channel; PIP 2 full width of the left half with DVI.
        for (const FrameBytes& f : {board(4, 0x08, {0x00}), board(2, 0x0E, {0x02, 0x03, 0xC0, 0x02, 0x1C}),
                                    board(2, 0x0E, {0x01, 0x00, 0x00, 0x00, 0x00}),
                                    board(2, 0x0E, {0x00, 0x01}), board(2, 0x09, {0x06}),
                                    board(5, 0x08, {0x02})})
            ASSERT_TRUE(p.applyFrame(f, 0).anomalies.empty());
    }
};

TEST_F(OutputTest, JsonCarriesTheStateAndClock)
{
    const std::string json = stateJson(p, 2000);
    EXPECT_NE(std::string::npos, json.find("\"clock\":{\"valid\":true,\"year\":2026,\"month\":1,"
                                           "\"day\":2,\"hour\":3,\"minute\":4,\"second\":7}"));
    EXPECT_NE(std::string::npos, json.find("{\"window\":2,\"on\":true,\"x\":0,\"y\":0,\"width\":960,"
                                           "\"height\":540,\"transparency\":0,\"input\":6,"));
    EXPECT_NE(std::string::npos, json.find("{\"board\":5,\"name\":\"panel 2\",\"columns\":1,"
                                           "\"rows\":1,\"order\":1,\"input\":2,"));
    EXPECT_EQ('\n', json.back());
    EXPECT_EQ('}', json[json.size() - 2]);
}

TEST_F(OutputTest, SvgDrawsPanelsRegionAndLabelledPipWindows)
{
    const std::string svg = wallSvg(p);
    EXPECT_EQ(0u, svg.find("<svg "));
    EXPECT_NE(std::string::npos, svg.find("data-panel=\"2\""));
    // The region is panel 1 (192 x 108 at 10,10); the PIP takes its top-left quarter.
    EXPECT_NE(std::string::npos,
              svg.find("<rect class=\"mpd\" x=\"10\" y=\"10\" width=\"192\" height=\"108\""));
    EXPECT_NE(std::string::npos,
              svg.find("<rect class=\"pip\" data-window=\"2\" x=\"10\" y=\"10\" width=\"96\" "
                       "height=\"54\""));
    // Labels in UTF-8: "MPD1 本地DVI" for window 2, "本地VGA" on panel 2.
    EXPECT_NE(std::string::npos, svg.find("MPD1 \xE6\x9C\xAC\xE5\x9C\xB0" "DVI</text>"));
    EXPECT_NE(std::string::npos, svg.find("\xE6\x9C\xAC\xE5\x9C\xB0VGA</text>"));

    ASSERT_TRUE(p.applyFrame(device({0x00, 0x01}), 0).anomalies.empty());
    EXPECT_NE(std::string::npos, wallSvg(p).find("standby"));
}

}  // namespace
}  // namespace tzsim
