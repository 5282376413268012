// tzctl and TzComm against the simulator through a real serial line: what the operations put on
// the line, what the device makes of it, what comes back, and how a misbehaving device reaches
// the caller.
#include "tests/integration/device/SimulatorLink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace device_test {
namespace {

class DeviceChain : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!underSimulator())
            GTEST_SKIP() << "runs only under tzsim (see tests/integration/device/CMakeLists.txt)";
    }
    // The whole trace after the last expected line, checked for anomalies in the frames. tzsim
    // times a frame when it reads it, so on a loaded machine a late read makes a 50 ms pause look
    // shorter, down to nothing when two frames come in one read: its pacing notes say nothing
    // about the link. The pauses are measured where they happen, in the link's own tests.
    std::string cleanTrace(const std::string& last)
    {
        const std::string trace = waitForTrace(last);
        EXPECT_NE(std::string::npos, trace.find(last)) << trace;
        std::istringstream lines(anomalies(trace));
        std::string line, unexpected;
        while (std::getline(lines, line)) {
            if (line.find("the link promises") == std::string::npos)
                unexpected += line + "\n";
        }
        EXPECT_EQ("", unexpected) << trace;
        return trace;
    }
    static bool has(const std::string& text, const std::string& part)
    {
        return text.find(part) != std::string::npos;
    }
};

TEST_F(DeviceChain, PowerAndClockSetAndReadBack)
{
    const ToolRun run = tzctlScript("SetPower 1\nSetClock 1 33 6 3 7 1 12\nReadClock\nSetPower 0\n");
    ASSERT_EQ(0, run.status) << run.output;
    int flag = 0, second = 0, minute = 0, hour = 0, day = 0, month = 0, year = 0;
    const auto at = run.output.find("ReadClock 0 (success) ");
    ASSERT_NE(std::string::npos, at) << run.output;
    ASSERT_EQ(7, std::sscanf(run.output.c_str() + at, "ReadClock 0 (success) %d %d %d %d %d %d %d",
                             &flag, &second, &minute, &hour, &day, &month, &year));
    EXPECT_EQ(1, flag);
    EXPECT_GE(second, 33);
    EXPECT_LE(second, 35) << "the device clock runs on from the value set";
    EXPECT_EQ(6, minute);
    EXPECT_EQ(3, hour);
    EXPECT_EQ(7, day);
    EXPECT_EQ(1, month);
    EXPECT_EQ(12, year);

    const std::string trace = cleanTrace("SetPower on");
    EXPECT_TRUE(has(trace, "AA BB 00 00 01 55 55 55 55 55 55 FF  SetPower off"));
    EXPECT_TRUE(has(trace, "AA BB 00 04 01 33 06 03 07 01 12 5B  SetClock flag 1 2012-01-07 03:06:33"));
    EXPECT_TRUE(has(trace, "AA BB 00 07 00 55 55 55 55 55 55 05  ReadClock query"));
    EXPECT_TRUE(has(simFile("TZSIM_STATE"), "\"power\":true"));
}

TEST_F(DeviceChain, PowerTimersReadBack)
{
    const ToolRun run = tzctlScript("SetPowerOffTimer 1 30 8 15 6 12\nReadPowerOffTimer\n"
                                    "SetPowerOnTimer 0 0 0 0 0 0\nReadPowerOnTimer\n");
    ASSERT_EQ(0, run.status) << run.output;
    EXPECT_TRUE(has(run.output, "ReadPowerOffTimer 0 (success) 1 30 8 15 6 12")) << run.output;
    EXPECT_TRUE(has(run.output, "ReadPowerOnTimer 0 (success) 0 ")) << run.output;
    cleanTrace("ReadPowerOnTimer query");
    const std::string state = simFile("TZSIM_STATE");
    EXPECT_TRUE(has(state, "\"powerOffTimer\":{\"enabled\":true,\"year\":2012,\"month\":6,\"day\":15,"
                           "\"hour\":8,\"minute\":30")) << state;
    EXPECT_TRUE(has(state, "\"powerOnTimer\":{\"enabled\":false")) << state;
}

TEST_F(DeviceChain, PresetIsStoredBetweenItsBracketsAndRecalled)
{
    ToolRun run = tzctlScript("RecordPreset 3 1\nSetResolution 0 5\nSetPip 2 0 1 0x55 0x55 0x55\n"
                              "RecordPreset 3 0\n");
    ASSERT_EQ(0, run.status) << run.output;
    cleanTrace("RecordPreset 3 end (2 frames stored)");
    EXPECT_TRUE(has(simFile("TZSIM_STATE"), "\"resolution\":-1")) << "stored, not shown";

    run = tzctl("CallPreset 3");
    ASSERT_EQ(0, run.status) << run.output;
    cleanTrace("CallPreset 3 (2 frames replayed)");
    const std::string state = simFile("TZSIM_STATE");
    EXPECT_TRUE(has(state, "\"resolution\":5")) << state;
    EXPECT_TRUE(has(state, "{\"window\":2,\"on\":true")) << state;
}

TEST_F(DeviceChain, BlockTransferBracketsWithoutChecksumAndPacedFrames)
{
    const ToolRun run = tzctlScript("Transfer 13 0 1 0 2 0 3 0 4 0 5 0 6\nTransfer 10 3\n");
    ASSERT_EQ(0, run.status) << run.output;
    const std::string trace = cleanTrace("Transfer DRV block close (stored)");
    EXPECT_TRUE(has(trace, "AA BB 00 09 04 01 55 55 55 55 55 55  Transfer ShieldEdge block open"));
    EXPECT_TRUE(has(trace, "AA BB 02 00 11 00 01 00 02 00 55 6B  ShieldEdge block data 1"));
    EXPECT_TRUE(has(trace, "AA BB 00 09 04 00 55 55 55 55 55 55  Transfer ShieldEdge block close"));
    const std::string state = simFile("TZSIM_STATE");
    EXPECT_TRUE(has(state, "\"drv\":3")) << state;
    EXPECT_TRUE(has(state, "\"shieldEdge\":[0,1,0,2,0,3,0,4,0,5,0,6]")) << state;
}

TEST_F(DeviceChain, QueriesOfTransferReturnTheirReplies)
{
    const ToolRun run = tzctlScript("Transfer 4\nTransfer 8\n");
    ASSERT_EQ(0, run.status) << run.output;
    // Identity of a 4x2 wall with MPD count 4.
    EXPECT_TRUE(has(run.output, "aa bb 00 07 04 54 5a 01 04 02 04")) << run.output;
    const auto at = run.output.find("Transfer 0 (success) aa bb 00 07 08 11");
    ASSERT_NE(std::string::npos, at) << run.output;
    std::string line = run.output.substr(at, run.output.find('\n', at) - at);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    EXPECT_EQ(std::string("Transfer 0 (success)").size() + 36 * 3, line.size()) << line;
    cleanTrace("Transfer 8 query");
}

TEST_F(DeviceChain, MatrixSwitchesInTextAndBinaryProtocols)
{
    const ToolRun run = tzctlScript("MatrixSwitch 1 0 0 7 3\nMatrixSwitch 2 1 1 5 2\n"
                                    "MatrixSwitch 3 2 16 200 12\nMatrixSwitch 9 0 0 1 1\n"
                                    "MatrixSwitchAlt 1 1 0 9 4\n");
    ASSERT_EQ(0, run.status) << run.output;
    const std::string trace = cleanTrace("matrix sis address 0: output 9 <- input 4");
    EXPECT_TRUE(has(trace, "raw 33 2A 37 21  matrix sis address 0: output 7 <- input 3"));
    EXPECT_TRUE(has(trace, "AA BB 01 01 82 85 81 00 00 00 00 8A  matrix p2000 address 1: output 5 <- input 2"));
    const std::string state = simFile("TZSIM_STATE");
    EXPECT_TRUE(has(state, "{\"protocol\":\"sis\",\"address\":0,\"kind\":-1,\"output\":7,\"input\":3}"));
    EXPECT_TRUE(has(state, "{\"protocol\":\"tzb8\",\"address\":16,\"kind\":2,\"output\":200,\"input\":12}"));
    EXPECT_TRUE(has(trace, "matrix tzb8 address 16 kind 2: output 200 <- input 12"));
    EXPECT_EQ(4, static_cast<int>(std::count(trace.begin(), trace.end(), '<')))
        << "the unknown maker sends nothing";
}

TEST_F(DeviceChain, NoReplyFailsWithCode3AfterTheTimeout)
{
    setFailure("noreply");
    const ToolRun run = tzctl("ReadClock");
    EXPECT_EQ(3, run.status) << run.output;
    EXPECT_TRUE(has(run.output, "ReadClock 3 ")) << run.output;
    EXPECT_GE(run.seconds, 10.0) << "not before the 10 s time-out";
    EXPECT_LT(run.seconds, 25.0);
}

TEST_F(DeviceChain, ShortReplyFailsWithCode3AfterTheTimeout)
{
    setFailure("short");
    const ToolRun run = tzctl("ReadPowerOnTimer");
    EXPECT_EQ(3, run.status) << run.output;
    EXPECT_GE(run.seconds, 10.0);
    // Wine lets the read that got the five bytes run to its own time-out before the next one
    // waits in vain, so up to twice the time-out.
    EXPECT_LT(run.seconds, 35.0);
}

TEST_F(DeviceChain, LateReplyWithinTheTimeoutSucceeds)
{
    setFailure("late:2500");
    const ToolRun run = tzctl("ReadStatusByte");
    EXPECT_EQ(0, run.status) << run.output;
    EXPECT_GE(run.seconds, 2.5);
    EXPECT_LT(run.seconds, 10.0);
}

TEST_F(DeviceChain, GarbageReplyIsTakenAsItComes)
{
    setFailure("garbage");
    const ToolRun run = tzctl("ReadStatusByte");
    EXPECT_EQ(0, run.status) << run.output;
    // Byte 4 of the garbage: 0x3C + 7 * 4.
    EXPECT_TRUE(has(run.output, "ReadStatusByte 0 (success) 88")) << run.output;
    waitForTrace("(garbage)");
}

TEST_F(DeviceChain, VanishingLineFailsTheCommandInFlight)
{
    setFailure("vanish");
    const ToolRun run = tzctl("ReadClock");
    EXPECT_EQ(3, run.status) << run.output;
    EXPECT_LT(run.seconds, 25.0);
    EXPECT_TRUE(has(waitForTrace("the line vanishes"), "the line vanishes"));
}

TEST_F(DeviceChain, BlockWriteOnALineThatWentAwayReportsTheFailure)
{
    // The device vanishes on the status query (whose reply then never comes); the block write
    // after it finds the line gone: its opening bracket fails, reaches only the traffic log (a
    // frame is logged before it is written), and nothing else of the block is tried.
    const std::size_t before = trafficLog().size();
    setFailure("vanish");
    const ToolRun run = tzctlScript("ReadStatusByte\nTransfer 13 0 1 0 2 0 3 0 4 0 5 0 6\n");
    EXPECT_EQ(3, run.status) << run.output;
    EXPECT_TRUE(has(run.output, "ReadStatusByte 3 (communication failed)")) << run.output;
    EXPECT_TRUE(has(run.output, "Transfer 3 (communication failed)")) << run.output;
    EXPECT_FALSE(has(waitForTrace("the line vanishes"), "Transfer"))
        << "nothing reached the device";

    const std::string all = trafficLog();
    const std::string log = all.size() >= before ? all.substr(before) : all;
    EXPECT_TRUE(has(log, "dest:0 eventid:0x09\r\np1=0x04 p2=0x01")) << log;
    EXPECT_FALSE(has(log, "eventid:17")) << log;
    EXPECT_FALSE(has(log, "p1=0x04 p2=0x00")) << log;
}

TEST_F(DeviceChain, TheTrafficLogDecodesBackIntoTheOperationsThatWroteIt)
{
    const std::size_t before = trafficLog().size();
    const ToolRun run = tzctlScript("SetPower 1\nSetClock 1 33 6 3 7 1 12\nReadClock\n"
                                    "SelectInput 1 12\nTransfer 13 0 1 0 2 0 3 0 4 0 5 0 6\n"
                                    "MatrixSwitch 3 2 16 200 12\n");
    ASSERT_EQ(0, run.status) << run.output;
    const std::string all = trafficLog();
    {
        std::ofstream part("session.log", std::ios::binary | std::ios::trunc);
        part << (all.size() >= before ? all.substr(before) : all);
    }
    const ToolRun decoded = tool("tzlog", "session.log");
    EXPECT_EQ(0, decoded.status) << decoded.output;
    // Each line: time, destination, board, then the operation.
    std::vector<std::string> operations;
    std::istringstream lines(decoded.output);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > 33)
            operations.push_back(line.substr(33));
    }
    const std::vector<std::string> expected = {"SetPower(1)",
                                               "SetClock(1,33,6,3,7,1,12)",
                                               "ReadClock()",
                                               "ReadClock reply: 1 ",
                                               "SelectInput(1,12)",
                                               "Transfer(13) open",
                                               "Transfer(13) data 1: 0 1 0 2",
                                               "Transfer(13) data 2: 0 3 0 4",
                                               "Transfer(13) data 3: 0 5 0 6",
                                               "Transfer(13) close",
                                               "MatrixSwitch frame: "};
    ASSERT_EQ(expected.size(), operations.size()) << decoded.output;
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], operations[i].substr(0, expected[i].size())) << decoded.output;
    // The device's clock runs on from 03:06:33 on the 7th of January 2012.
    EXPECT_EQ(" 6 3 7 1 12", operations[3].substr(operations[3].size() - 11)) << decoded.output;
}

}  // namespace
}  // namespace device_test
