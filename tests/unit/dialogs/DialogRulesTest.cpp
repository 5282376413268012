// The dialogs' rules: what a typed number reads as, when the step, the timed recall and the
// factory settings' button may be pressed, the recall order, the block of panel sizes, the
// driver-board range and the demonstration's periods.
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
}

TEST(DialogRules, StepIsOneToTenFromAtMostNineCharacters)
{
    int step = 0;
    for (const char* bad : {"", "0", "11", "-1", "abc", " ", "4294967297", "4294967301"})
        EXPECT_FALSE(StepValid(bad, &step)) << bad;
    EXPECT_TRUE(StepValid("5", &step));
    EXPECT_EQ(5, step);
    EXPECT_TRUE(StepValid("10", &step));
    EXPECT_TRUE(StepValid("1", &step));
    EXPECT_TRUE(StepValid("000000007", &step));
    EXPECT_EQ(7, step);
    // The tenth character is never read: nine zeros before a 5 read as 0.
    EXPECT_FALSE(StepValid("0000000005", &step));
}

TEST(DialogRules, TimedRecallNeedsAnOrderedRangeAndAnIntervalBelowThreeDays)
{
    int seconds = 0;
    EXPECT_TRUE(CycleAllowed(3, 5, "6", &seconds));
    EXPECT_EQ(6, seconds);
    EXPECT_TRUE(CycleAllowed(0, 19, "259199", &seconds));
    EXPECT_TRUE(CycleAllowed(0, 1, "1", &seconds));
    EXPECT_FALSE(CycleAllowed(4, 4, "6", &seconds)) << "the same preset as first and last";
    EXPECT_FALSE(CycleAllowed(5, 3, "6", &seconds)) << "first after last";
    EXPECT_FALSE(CycleAllowed(-1, 3, "6", &seconds));
    EXPECT_FALSE(CycleAllowed(0, -1, "6", &seconds));
    for (const char* bad : {"", "0", "259200", "300000", "-6", "4294967297", "4294967302"})
        EXPECT_FALSE(CycleAllowed(0, 19, bad, &seconds)) << bad;
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

TEST(DialogRules, ClockYearsAreThoseOfTwoDigitsAfter2000)
{
    EXPECT_FALSE(ClockYearValid(1999));
    EXPECT_TRUE(ClockYearValid(2000));
    EXPECT_TRUE(ClockYearValid(2099));
    EXPECT_FALSE(ClockYearValid(2100));
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

TEST(DialogRules, FactoryButtonNeedsSizesUpTo5000AndBoardsInRange)
{
    const char* good[PANEL_VALUES] = {"1200", "675", "3", "3", "2", "2"};
    EXPECT_TRUE(FactorySendAllowed(good, "5", "12", 5, 12));
    EXPECT_TRUE(FactorySendAllowed(good, "12", "5", 5, 12)) << "either order";
    const char* empty[PANEL_VALUES] = {"", "", "", "", "", ""};
    EXPECT_TRUE(FactorySendAllowed(empty, "5", "5", 5, 12)) << "an empty size counts as 0";
    EXPECT_FALSE(FactorySendAllowed(good, "", "5", 5, 12)) << "an empty board counts as 0";
    EXPECT_FALSE(FactorySendAllowed(good, "4", "12", 5, 12));
    EXPECT_FALSE(FactorySendAllowed(good, "5", "13", 5, 12));
    EXPECT_FALSE(FactorySendAllowed(good, "5", "4294967301", 5, 12)) << "wraps to 5";
    for (int i = 0; i < PANEL_VALUES; ++i) {
        for (const char* bad : {"5001", "-1", "4294967297"}) {
            const char* values[PANEL_VALUES] = {"1200", "675", "3", "3", "2", "2"};
            values[i] = bad;
            EXPECT_FALSE(FactorySendAllowed(values, "5", "12", 5, 12)) << i << " " << bad;
        }
        const char* values[PANEL_VALUES] = {"1200", "675", "3", "3", "2", "2"};
        values[i] = "5000";
        EXPECT_TRUE(FactorySendAllowed(values, "5", "12", 5, 12)) << i;
    }
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
