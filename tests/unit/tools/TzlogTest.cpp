// tzlog on traffic logs in both record layouts: records written by the link's own formatter read
// back into their operations, damaged records and stray text flagged, and the figures.
#include "comm/CommLog.h"
#include "tools/tzlog/LogTools.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

std::string record(std::initializer_list<unsigned char> bytes, CommLogTime t)
{
    const std::vector<unsigned char> f(bytes);
    char text[CCommLog::RECORD_BUFFER];
    FormatCommLogRecord(f.data(), t, text, sizeof text);
    return text;
}

CommLogTime at(int minute, int second) { return CommLogTime{2012, 1, 7, 3, minute, second}; }

// What a session of the program leaves in the log: power on, a region's type 12, the clock set
// and read back (request and reply), the panel-size block, a matrix frame.
std::string healthyLog()
{
    return record({0xAA, 0xBB, 0x00, 0x00, 0x00, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0xFE},
                  at(6, 33)) +
           record({0xAA, 0xBB, 0x02, 0x01, 0x08, 0x0C, 0x55, 0x55, 0x55, 0x55, 0x55, 0xC0},
                  at(6, 33)) +
           record({0xAA, 0xBB, 0x00, 0x04, 0x01, 0x33, 0x06, 0x03, 0x07, 0x01, 0x12, 0x5B},
                  at(6, 34)) +
           record({0xAA, 0xBB, 0x00, 0x07, 0x00, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x05},
                  at(6, 34)) +
           record({0xAA, 0xBB, 0x00, 0x07, 0x01, 0x33, 0x06, 0x03, 0x07, 0x01, 0x12, 0x00},
                  at(6, 34)) +
           record({0xAA, 0xBB, 0x00, 0x09, 0x04, 0x01, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55},
                  at(6, 40)) +
           record({0xAA, 0xBB, 0x02, 0x00, 0x11, 0x07, 0x80, 0x04, 0x38, 0x00, 0x55, 0x2B},
                  at(6, 40)) +
           record({0xAA, 0xBB, 0x02, 0x00, 0x12, 0x00, 0x10, 0x00, 0x20, 0x00, 0x55, 0x99},
                  at(6, 40)) +
           record({0xAA, 0xBB, 0x02, 0x00, 0x13, 0x01, 0x02, 0x03, 0x04, 0x00, 0x55, 0x74},
                  at(6, 40)) +
           record({0xAA, 0xBB, 0x00, 0x09, 0x04, 0x00, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55},
                  at(6, 41)) +
           record({0xAA, 0xBB, 0x01, 0x01, 0x82, 0x85, 0x81, 0x00, 0x00, 0x00, 0x00, 0x8A},
                  at(7, 2));
}

class Tzlog : public ::testing::Test {
protected:
    int runOn(const std::string& contents, std::vector<std::string> options = {})
    {
        // One file per case: ctest runs the cases of this fixture side by side in one folder.
        const std::string name =
            std::string("tzlog_") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".log";
        const std::string path = (std::filesystem::current_path() / name).string();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << contents;
        options.push_back(path);
        out_.clear();
        err_.clear();
        return runTzlog(options, out_, err_);
    }
    std::string out_, err_;
};

TEST_F(Tzlog, RecordsReadBackIntoTheirOperations)
{
    EXPECT_EQ(0, runOn(healthyLog()));
    EXPECT_EQ("2012-01-07 03:06:33  device   -  SetPower(0)\n"
              "2012-01-07 03:06:33  board    1  SelectInput(1,12)\n"
              "2012-01-07 03:06:34  device   -  SetClock(1,33,6,3,7,1,12)\n"
              "2012-01-07 03:06:34  device   -  ReadClock()\n"
              "2012-01-07 03:06:34  device   -  ReadClock reply: 1 33 6 3 7 1 12\n"
              "2012-01-07 03:06:40  device   -  Transfer(13) open\n"
              "2012-01-07 03:06:40  board    0  Transfer(13) data 1: 7 128 4 56\n"
              "2012-01-07 03:06:40  board    0  Transfer(13) data 2: 0 16 0 32\n"
              "2012-01-07 03:06:40  board    0  Transfer(13) data 3: 1 2 3 4\n"
              "2012-01-07 03:06:41  device   -  Transfer(13) close\n"
              "2012-01-07 03:07:02  matrix   -  MatrixSwitch frame: 1 130 133 129 0 0 0 0\n",
              out_);
    EXPECT_EQ("", err_);
}

TEST_F(Tzlog, DamagedFramesRecordsAndStrayTextAreFlagged)
{
    // A frame with a wrong checksum; a device frame written in the board layout; a half record
    // left by a crash; text that is no record.
    const std::string boardLayoutOfADeviceFrame =
        "\r\n20120107 03:08:00\r\nmagic:0xaa 0xbb dest:0 boardid:1 eventid:0\r\n"
        "p1=0x55 p2=0x55 p3=0x55 p4=0x55 p5=0x55 p6=0x55\r\ncrc=0xff\r\n";
    const std::string log =
        record({0xAA, 0xBB, 0x02, 0x01, 0x08, 0x0C, 0x55, 0x55, 0x55, 0x55, 0x55, 0xC1},
               at(7, 59)) +
        boardLayoutOfADeviceFrame + "\r\n20120107 03:08:01\r\nmagic:0xaa 0xbb dest:2\r\n" +
        "hello\r\n";
    EXPECT_EQ(1, runOn(log));
    EXPECT_EQ(
        "2012-01-07 03:07:59  board    1  SelectInput(1,12)  ! checksum 0xC1; bytes 2..10 sum "
        "to 0xC0\n"
        "2012-01-07 03:08:00  device   -  CallPreset(0)  ! the record is not in the layout the "
        "link writes for this frame\n"
        "! line 12 is no record: 20120107 03:08:01 | magic:0xaa 0xbb dest:2 | hello\n",
        out_);

    // Times no clock shows: a thirteenth month, a 25th hour, a second 60, the 31st of April.
    const unsigned char powerOn[] = {0xAA, 0xBB, 0x00, 0x00, 0x01, 0x55,
                                     0x55, 0x55, 0x55, 0x55, 0x55, 0xFF};
    std::string odd;
    for (const CommLogTime t :
         {CommLogTime{2012, 13, 7, 3, 6, 33}, CommLogTime{2012, 1, 7, 25, 6, 33},
          CommLogTime{2012, 1, 7, 3, 6, 60}, CommLogTime{2012, 4, 31, 3, 6, 33},
          CommLogTime{2012, 2, 29, 23, 59, 59}}) {
        char text[CCommLog::RECORD_BUFFER];
        FormatCommLogRecord(powerOn, t, text, sizeof text);
        odd += text;
    }
    EXPECT_EQ(1, runOn(odd));
    EXPECT_EQ("2012-13-07 03:06:33  device   -  SetPower(1)  ! the time is no calendar time\n"
              "2012-01-07 25:06:33  device   -  SetPower(1)  ! the time is no calendar time\n"
              "2012-01-07 03:06:60  device   -  SetPower(1)  ! the time is no calendar time\n"
              "2012-04-31 03:06:33  device   -  SetPower(1)  ! the time is no calendar time\n"
              "2012-02-29 23:59:59  device   -  SetPower(1)\n",
              out_);
}

TEST_F(Tzlog, FiguresPerOperationGapsAndTheBusiestSecond)
{
    EXPECT_EQ(0, runOn(healthyLog(), {"--stats"}));
    EXPECT_EQ("11 frames from 2012-01-07 03:06:33 to 2012-01-07 03:07:02 (29 s)\n"
              "frames per operation:\n"
              "       3  Transfer data\n"
              "       1  MatrixSwitch\n"
              "       1  ReadClock\n"
              "       1  ReadClock reply\n"
              "       1  SelectInput\n"
              "       1  SetClock\n"
              "       1  SetPower\n"
              "       1  Transfer close\n"
              "       1  Transfer open\n"
              "gaps between frames: 6 within the same second, 2 of 1 s, 1 of 2..9 s, 1 of 10 s or "
              "more\n"
              "longest gap: 21 s, before the frame at 2012-01-07 03:07:02 (line 52)\n"
              "busiest second: 2012-01-07 03:06:40 with 4 frames\n"
              "flagged frames: 0; text that is no record: 0\n",
              out_);

    // The same session logged again after the PC's clock was set back by a day: the step back
    // is no gap; a record time no clock shows is a flagged frame.
    std::string log = healthyLog();
    const std::string again = healthyLog();
    const std::size_t date = again.find("20120107");
    log += again.substr(0, date) + "20120106" + again.substr(date + 8);
    const unsigned char powerOn[] = {0xAA, 0xBB, 0x00, 0x00, 0x01, 0x55,
                                     0x55, 0x55, 0x55, 0x55, 0x55, 0xFF};
    char text[CCommLog::RECORD_BUFFER];
    FormatCommLogRecord(powerOn, CommLogTime{2012, 1, 7, 24, 0, 0}, text, sizeof text);
    EXPECT_EQ(1, runOn(log + text, {"--stats"}));
    EXPECT_TRUE(out_.find("gaps between frames: 11 within the same second, 4 of 1 s, 2 of 2..9 "
                          "s, 4 of 10 s or more\n") != std::string::npos)
        << out_;
    EXPECT_TRUE(out_.find("clock set back: 1 frame(s) stamped earlier than the frame before, "
                          "first at 2012-01-06 03:06:33 (line 57)\n") != std::string::npos)
        << out_;
    EXPECT_TRUE(out_.find("flagged frames: 1; text that is no record: 0\n") != std::string::npos)
        << out_;
}

TEST_F(Tzlog, CommandLine)
{
    out_.clear();
    EXPECT_EQ(0, runTzlog({"-h"}, out_, err_));
    EXPECT_EQ(0u, out_.find("usage: tzlog [--stats] FILE\n"));
    err_.clear();
    EXPECT_EQ(2, runTzlog({}, out_, err_));
    EXPECT_EQ(0u, err_.find("tzlog: no log given\n"));
    err_.clear();
    EXPECT_EQ(2, runTzlog({"--bogus", "x"}, out_, err_));
    EXPECT_EQ(0u, err_.find("tzlog: unknown option --bogus\n"));
    err_.clear();
    EXPECT_EQ(2, runTzlog({"no such file.log"}, out_, err_));
    EXPECT_EQ("tzlog: cannot read no such file.log\n", err_);
}

}  // namespace
