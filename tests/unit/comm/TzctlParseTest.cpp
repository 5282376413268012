// tzctl's command line: overloads picked by argument count, @N, integer forms, scripts and the
// usage errors that must stop it before anything is sent.
#include "tools/tzctl/CommandLine.h"

#include <gtest/gtest.h>

namespace {

int SlotOf(const std::vector<std::string>& words)
{
    Invocation invocation;
    std::string error;
    return ParseInvocation(words, invocation, error) ? invocation.operation->slot : -1;
}

TEST(TzctlCommandLine, TableCoversEverySlotInOrder)
{
    ASSERT_EQ(52u, Operations().size());
    for (std::size_t i = 0; i < Operations().size(); ++i)
        EXPECT_EQ(static_cast<int>(i) + 1, Operations()[i].slot);
}

TEST(TzctlCommandLine, OverloadsByArgumentCount)
{
    EXPECT_EQ(35, SlotOf({"BoardEvent16", "1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(36, SlotOf({"BoardEvent16", "1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(44, SlotOf({"BoardEvent16", "1", "2", "3", "4"}));
    EXPECT_EQ(48, SlotOf({"BoardEvent19", "1", "2", "3"}));
    EXPECT_EQ(49, SlotOf({"BoardEvent19", "1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(38, SlotOf({"SetPanelSize", "1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(50, SlotOf({"@50", "1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(40, SlotOf({"@40", "1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(6, SlotOf({"Transfer", "10", "3"}));
    EXPECT_EQ(6, SlotOf({"Transfer", "4"}));
    EXPECT_EQ(3, SlotOf({"Connect"}));
}

TEST(TzctlCommandLine, IntegersDecimalAndHex)
{
    Invocation invocation;
    std::string error;
    ASSERT_TRUE(ParseInvocation({"SetEdgeMask", "0", "0xAC", "0XfE", "253", "-1", "300"}, invocation, error));
    EXPECT_EQ((std::vector<int>{0, 0xAC, 0xFE, 253, -1, 300}), invocation.args);
    for (const char* bad : {"1.5", "0x", "12abc", "", "0xZZ", "--3", "99999999999"})
        EXPECT_FALSE(ParseInvocation({"SetPower", bad}, invocation, error)) << bad;
}

TEST(TzctlCommandLine, UsageErrorsSayWhatWasWrong)
{
    Invocation invocation;
    std::string error;
    EXPECT_FALSE(ParseInvocation({"SetPowr", "0"}, invocation, error));
    EXPECT_NE(std::string::npos, error.find("unknown operation 'SetPowr'"));
    EXPECT_FALSE(ParseInvocation({"BoardEvent19", "1"}, invocation, error));
    EXPECT_NE(std::string::npos, error.find("@48 BoardEvent19 BOARD A2 A3")) << error;
    EXPECT_NE(std::string::npos, error.find("@50 BoardEvent19")) << error;
    EXPECT_FALSE(ParseInvocation({"@53"}, invocation, error));
    EXPECT_FALSE(ParseInvocation({"@0"}, invocation, error));
    EXPECT_FALSE(ParseInvocation({"@7"}, invocation, error)) << "SetPower needs its state";
    EXPECT_FALSE(ParseInvocation({"Transfer"}, invocation, error));

    CommandLine line;
    EXPECT_FALSE(ParseCommandLine({}, line, error));
    EXPECT_FALSE(ParseCommandLine({"--dir"}, line, error));
    EXPECT_FALSE(ParseCommandLine({"--port", "3", "SetPower", "0"}, line, error));
    EXPECT_FALSE(ParseCommandLine({"--script", "/no/such/file"}, line, error));
    ASSERT_TRUE(ParseCommandLine({"--dir", "D", "SetPower", "1"}, line, error)) << error;
    EXPECT_EQ("D", line.directory);
    ASSERT_EQ(1u, line.invocations.size());
    EXPECT_EQ(7, line.invocations[0].operation->slot);
}

TEST(TzctlCommandLine, ScriptLinesCommentsAndLineNumbers)
{
    std::vector<Invocation> script;
    std::string error;
    ASSERT_TRUE(ParseScript("# header\n\nSetPower 0  # on\r\n  @43 1 2 3 4 5\nReadClock\n", script, error))
        << error;
    ASSERT_EQ(3u, script.size());
    EXPECT_EQ(7, script[0].operation->slot);
    EXPECT_EQ(43, script[1].operation->slot);
    EXPECT_EQ(10, script[2].operation->slot);

    script.clear();
    EXPECT_FALSE(ParseScript("SetPower 0\nSetPower\n", script, error));
    EXPECT_EQ(0u, error.find("line 2: ")) << error;
}

TEST(TzctlCommandLine, HelpWinsOverEverythingElse)
{
    for (const std::vector<std::string>& words : {std::vector<std::string>{"--help"},
                                                  {"-h"},
                                                  {"--dir", "x", "-h"},
                                                  {"SetPower", "0", "--help"},
                                                  {"--bogus", "--help"}}) {
        CommandLine line;
        std::string error;
        EXPECT_TRUE(ParseCommandLine(words, line, error)) << error;
        EXPECT_TRUE(line.help);
        EXPECT_TRUE(line.invocations.empty());
    }
    CommandLine line;
    std::string error;
    EXPECT_FALSE(ParseCommandLine({"--helpme"}, line, error));
    EXPECT_EQ("unknown option --helpme", error);
    EXPECT_FALSE(line.help);
}

TEST(TzctlCommandLine, AFailedConnectNamesThePortAndTheProfile)
{
    EXPECT_EQ("COM999 from /opt/t/com.ini, which does not exist",
              ConnectFailureDetail(999, "/opt/t/com.ini", false));
    EXPECT_EQ("COM7 from C:\\t\\com.ini", ConnectFailureDetail(7, "C:\\t\\com.ini", true));
}

}  // namespace
