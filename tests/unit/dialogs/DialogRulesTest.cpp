// The dialogs' rules without windows: what a typed number reads as (overflow included), the
// recall order, the block of panel sizes, the driver-board range and the demonstration's
// periods. The enabling rules are exercised through the dialogs themselves (tests/gui/dialogs).
#include "app/shell/dialogs/DialogRules.h"

#include <gtest/gtest.h>

#include <vector>

using namespace dlgrules;

TEST(DialogRules, NumbersReadAsTheDialogsAlwaysHaveButOverflowHasNoValue)
{
    int v = -1;
    EXPECT_TRUE(ReadNumber("", 0, &v));
    EXPECT_EQ(0, v);
    EXPECT_TRUE(ReadNumber("  42x7", 0, &v));
    EXPECT_EQ(42, v);
    EXPECT_TRUE(ReadNumber("-15", 0, &v));
    EXPECT_EQ(-15, v);
    EXPECT_TRUE(ReadNumber("+8", 0, &v));
    EXPECT_EQ(8, v);
    EXPECT_TRUE(ReadNumber("abc", 0, &v));
    EXPECT_EQ(0, v);
    EXPECT_TRUE(ReadNumber("2147483647", 0, &v));
    EXPECT_EQ(2147483647, v);
    EXPECT_TRUE(ReadNumber("-2147483648", 0, &v));
    EXPECT_EQ(-2147483647 - 1, v);
    // Values whose wrapped remainder would land in an allowed range have no value at all.
    EXPECT_FALSE(ReadNumber("4294967297", 0, &v));
    EXPECT_FALSE(ReadNumber("2147483648", 0, &v));
    EXPECT_FALSE(ReadNumber("-2147483649", 0, &v));
    EXPECT_FALSE(ReadNumber("99999999999999999999999999", 0, &v));
    // Only the first characters count when a limit is given.
    EXPECT_TRUE(ReadNumber("12345", 3, &v));
    EXPECT_EQ(123, v);
    EXPECT_TRUE(ReadNumber("4294967297", 9, &v));
    EXPECT_EQ(429496729, v);
    // The step reads nine characters: nine zeros before a 5 read as 0.
    int step = 0;
    EXPECT_FALSE(StepValid("0000000005", &step));
    EXPECT_TRUE(StepValid("000000007", &step));
    EXPECT_EQ(7, step);
}

TEST(DialogRules, TimedRecallGoesFromFirstToLastAndAround)
{
    PresetCycle cycle;
    std::vector<int> sent{cycle.Start(3, 5)};
    for (int i = 0; i < 6; ++i)
        sent.push_back(cycle.Next());
    EXPECT_EQ((std::vector<int>{3, 4, 5, 3, 4, 5, 3}), sent);
    // Starting again begins at the new first preset.
    EXPECT_EQ(0, cycle.Start(0, 1));
    EXPECT_EQ(1, cycle.Next());
    EXPECT_EQ(0, cycle.Next());
}

TEST(DialogRules, DemonstrationPeriods)
{
    EXPECT_EQ(30, DemoPeriodSeconds("30秒"));
    EXPECT_EQ(5 * 60, DemoPeriodSeconds("5分"));
    EXPECT_EQ(160 * 60, DemoPeriodSeconds("160分"));
    EXPECT_EQ(0, DemoPeriodSeconds("15分"));
    EXPECT_EQ(0, DemoPeriodSeconds("30"));
    EXPECT_EQ(0, DemoPeriodSeconds(""));
    EXPECT_EQ(0, DemoPeriodSeconds(nullptr));
}

TEST(DialogRules, DriverBoardsFollowTheMpdBoards)
{
    int first = 0, last = 0;
    BoardRange(4, 4, 2, &first, &last);
    EXPECT_EQ(5, first);
    EXPECT_EQ(12, last);
    BoardRange(0, 1, 1, &first, &last);
    EXPECT_EQ(1, first);
    EXPECT_EQ(1, last);
}

TEST(DialogRules, PanelBlockIsTheSixValuesHighByteFirst)
{
    const int values[PANEL_VALUES] = {1200, 675, 3, 260, 0x1234, 5000};
    unsigned char block[PANEL_BLOCK_BYTES] = {};
    PanelBlock(values, block);
    const unsigned char expected[PANEL_BLOCK_BYTES] = {0x04, 0xB0, 0x02, 0xA3, 0x00, 0x03,
                                                       0x01, 0x04, 0x12, 0x34, 0x13, 0x88};
    for (int i = 0; i < PANEL_BLOCK_BYTES; ++i)
        EXPECT_EQ(expected[i], block[i]) << i;
}
