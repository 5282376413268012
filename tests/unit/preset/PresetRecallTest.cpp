// Recalling presets: the command sent for a number, a refusal shown, and the timed recall's order.
#include "app/core/preset/PresetRecall.h"
#include "tests/unit/command/CommandTestSupport.h"

class PresetRecallTest : public CommandTest {};

TEST_F(PresetRecallTest, RecallSendsThePresetNumber)
{
    EXPECT_TRUE(recallPreset(0));
    EXPECT_TRUE(recallPreset(19));
    EXPECT_EQ("CallPreset(0) CallPreset(19)", link.Joined());
    FailCalls("CallPreset", 1);
    EXPECT_FALSE(recallPreset(4));
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ("未联机;\n错误码:0X0001", Messages()[0].first);
}

TEST_F(PresetRecallTest, OfflineNothingIsSent)
{
    g_nOnline = 0;
    EXPECT_TRUE(recallPreset(2));
    EXPECT_TRUE(link.calls.empty());
}

TEST(PresetCycle, CyclesFromFirstToLastAndBack)
{
    PresetCycle cycle;
    EXPECT_FALSE(cycle.running());
    EXPECT_EQ(-1, cycle.next());
    EXPECT_EQ(3, cycle.start(3, 5));
    std::vector<int> sent;
    for (int i = 0; i < 5; ++i)
        sent.push_back(cycle.next());
    EXPECT_EQ((std::vector<int>{4, 5, 3, 4, 5}), sent);
    cycle.stop();
    EXPECT_EQ(-1, cycle.next());

    EXPECT_EQ(7, cycle.start(7, 7));
    EXPECT_EQ(7, cycle.next());
    EXPECT_EQ(9, cycle.start(9, 2));
    EXPECT_EQ(9, cycle.next());
}
