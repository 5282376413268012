// Frame bytes, checksum, BCD, the traffic log's records and file handling, and the port
// channel's transfer loop: everything of the link that needs no serial line.
#include "comm/CommLog.h"
#include "comm/CommandFrame.h"
#include "comm/KernelHandle.h"
#include "comm/PortChannel.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> Bytes(std::initializer_list<int> values)
{
    std::vector<unsigned char> out;
    for (int v : values)
        out.push_back(static_cast<unsigned char>(v));
    return out;
}

std::vector<unsigned char> FrameOf(const unsigned char* frame)
{
    return std::vector<unsigned char>(frame, frame + FRAME_SIZE);
}

TEST(FrameCodec, ChecksumOfTheWorkedExamples)
{
    const unsigned char power[12] = {0xAA, 0xBB, 0x00, 0x00, 0x00, 0x55,
                                     0x55, 0x55, 0x55, 0x55, 0x55, 0x00};
    EXPECT_EQ(0xFE, FrameChecksum(power));
    const unsigned char board[12] = {0xAA, 0xBB, 0x02, 0x05, 0x0A, 0x03,
                                     0x80, 0x32, 0x55, 0x55, 0x55, 0x00};
    EXPECT_EQ(0xC5, FrameChecksum(board));
    // Magic bytes and the checksum byte itself are outside the sum.
    unsigned char other[12];
    std::memcpy(other, board, sizeof(other));
    other[0] = other[1] = other[11] = 0x13;
    EXPECT_EQ(0xC5, FrameChecksum(other));
}

TEST(FrameCodec, BuilderFillsSealsAndKeepsLowBits)
{
    CFrameBuilder builder;
    unsigned char frame[12];
    std::memset(frame, 0xEE, sizeof(frame));
    builder.Device(frame, 0x00);
    builder.Put(frame, 4, 0);
    builder.Seal(frame);
    EXPECT_EQ(Bytes({0xAA, 0xBB, 0x00, 0x00, 0x00, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0xFE}),
              FrameOf(frame));

    builder.Board(frame, 300, -1);  // 300 -> 0x2C, -1 -> 0xFF
    builder.Put(frame, 10, 0x1FF);
    builder.Seal(frame);
    EXPECT_EQ(Bytes({0xAA, 0xBB, 0x02, 0x2C, 0xFF, 0x55, 0x55, 0x55, 0x55, 0x55, 0xFF,
                     (0x02 + 0x2C + 0xFF + 5 * 0x55 + 0xFF) & 0xFF}),
              FrameOf(frame));

    // Start leaves byte 2 and the checksum byte alone.
    frame[2] = 0x07;
    frame[11] = 0x99;
    builder.Start(frame);
    EXPECT_EQ(0x07, frame[2]);
    EXPECT_EQ(0x99, frame[11]);

    const unsigned char data[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    builder.Matrix(frame, data);
    builder.Seal(frame);
    EXPECT_EQ(Bytes({0xAA, 0xBB, 0x01, 1, 2, 3, 4, 5, 6, 7, 8, 0x25}), FrameOf(frame));
}

TEST(FrameCodec, BcdBothWays)
{
    EXPECT_EQ(0x00, ToBcd(0));
    EXPECT_EQ(0x07, ToBcd(7));
    EXPECT_EQ(0x33, ToBcd(33));
    EXPECT_EQ(0x99, ToBcd(99));
    EXPECT_EQ(0x00, ToBcd(100));
    EXPECT_EQ(0x00, ToBcd(112));
    EXPECT_EQ(0x00, ToBcd(-1));
    EXPECT_EQ(30, FromBcd(0x30));
    EXPECT_EQ(12, FromBcd(0x12));
    EXPECT_EQ(8, FromBcd(0x08));
    EXPECT_EQ(0x05 + 5 * 10, FromBcd(0x55));  // fill read as BCD: no validation
    for (int v = 0; v <= 99; ++v)
        EXPECT_EQ(v, FromBcd(ToBcd(v)));
}

const CommLogTime kClock = {2012, 1, 7, 3, 6, 33};

std::string RecordOf(std::initializer_list<int> frame)
{
    const std::vector<unsigned char> bytes = Bytes(frame);
    char out[1024];
    const int length = FormatCommLogRecord(bytes.data(), kClock, out, sizeof(out));
    return std::string(out, length > 0 ? static_cast<std::size_t>(length) : 0);
}

TEST(CommLogRecord, DeviceLayoutForDest0And3)
{
    EXPECT_EQ("\r\n20120107 03:06:33\r\n"
              "magic:0xaa 0xbb dest:0 eventid:0x04\r\n"
              "p1=0x01 p2=0x33 p3=0x06 p4=0x03 p5=0x07 p6=0x01 p7=0x12\r\n"
              "crc=0xb1\r\n",
              RecordOf({0xAA, 0xBB, 0x00, 0x04, 0x01, 0x33, 0x06, 0x03, 0x07, 0x01, 0x12, 0xB1}));
    EXPECT_EQ("\r\n20120107 03:06:33\r\n"
              "magic:0x01 0x02 dest:3 eventid:0xfe\r\n"
              "p1=0x00 p2=0x55 p3=0x55 p4=0x55 p5=0x55 p6=0x55 p7=0x55\r\n"
              "crc=0x55\r\n",
              RecordOf({0x01, 0x02, 0x03, 0xFE, 0x00, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}));
}

TEST(CommLogRecord, BoardLayoutForEveryOtherDest)
{
    // Board id and event id in decimal.
    EXPECT_EQ("\r\n20120107 03:06:33\r\n"
              "magic:0xaa 0xbb dest:2 boardid:12 eventid:255\r\n"
              "p1=0xac p2=0xfe p3=0xfd p4=0x07 p5=0x01 p6=0x55\r\n"
              "crc=0x7d\r\n",
              RecordOf({0xAA, 0xBB, 0x02, 0x0C, 0xFF, 0xAC, 0xFE, 0xFD, 0x07, 0x01, 0x55, 0x7D}));
    EXPECT_EQ("\r\n20120107 03:06:33\r\n"
              "magic:0xaa 0xbb dest:1 boardid:1 eventid:2\r\n"
              "p1=0x03 p2=0x04 p3=0x05 p4=0x06 p5=0x07 p6=0x08\r\n"
              "crc=0x25\r\n",
              RecordOf({0xAA, 0xBB, 0x01, 1, 2, 3, 4, 5, 6, 7, 8, 0x25}));
    EXPECT_NE(std::string::npos, RecordOf({0, 0, 0xC8, 0, 0, 0, 0, 0, 0, 0, 0, 0}).find("dest:200 boardid:0"));
}

// A log folder of its own with a fake "program" inside, so Begin finds tzview.log there.
class CommLogFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::string("commlog_") + info->name();
#ifdef _WIN32
        program_ = ".\\" + folder_ + "\\program.exe";
        log_ = ".\\" + folder_ + "\\tzview.log";
        std::system(("mkdir " + folder_ + " 2>nul").c_str());
#else
        program_ = "./" + folder_ + "/program";
        log_ = "./" + folder_ + "/tzview.log";
        std::system(("mkdir -p " + folder_).c_str());
#endif
        std::remove(log_.c_str());
    }

    void WriteExisting(std::size_t size, char fill)
    {
        std::ofstream out(log_, std::ios::binary | std::ios::trunc);
        const std::string block(size, fill);
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }

    std::string Contents() const
    {
        std::ifstream in(log_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::string folder_, program_, log_;
};

const unsigned char kPowerOn[12] = {0xAA, 0xBB, 0x00, 0x00, 0x00, 0x55,
                                    0x55, 0x55, 0x55, 0x55, 0x55, 0xFE};

std::string PowerOnRecord()
{
    char out[1024];
    const int length = FormatCommLogRecord(kPowerOn, kClock, out, sizeof(out));
    return std::string(out, static_cast<std::size_t>(length));
}

TEST_F(CommLogFile, CreatedAndAppendedRecordByRecord)
{
    {
        CCommLog log;
        log.Begin(1, program_.c_str());
        ASSERT_TRUE(log.IsOpen());
        log.Record(kPowerOn, kClock);
        EXPECT_EQ(PowerOnRecord(), Contents()) << "flushed at once";
        log.Record(kPowerOn, kClock);
    }
    CCommLog again;
    again.Begin(1, program_.c_str());
    again.Record(kPowerOn, kClock);
    EXPECT_EQ(PowerOnRecord() + PowerOnRecord() + PowerOnRecord(), Contents());
}

TEST_F(CommLogFile, ExactlyTwoMebibytesIsKept)
{
    WriteExisting(2097152, 'x');
    CCommLog log;
    log.Begin(1, program_.c_str());
    log.Record(kPowerOn, kClock);
    const std::string contents = Contents();
    ASSERT_EQ(2097152 + PowerOnRecord().size(), contents.size());
    EXPECT_EQ(std::string(2097152, 'x'), contents.substr(0, 2097152));
    EXPECT_EQ(PowerOnRecord(), contents.substr(2097152));
}

TEST_F(CommLogFile, OneByteMoreIsEmptiedFirst)
{
    WriteExisting(2097153, 'x');
    CCommLog log;
    log.Begin(1, program_.c_str());
    ASSERT_TRUE(log.IsOpen());
    EXPECT_EQ(0u, Contents().size());
    log.Record(kPowerOn, kClock);
    EXPECT_EQ(PowerOnRecord(), Contents());
}

TEST_F(CommLogFile, SwitchOffAtFirstUseStaysOffForGood)
{
    CCommLog log;
    log.Begin(0, program_.c_str());
    EXPECT_TRUE(log.IsBegun());
    EXPECT_FALSE(log.IsOpen());
    log.Begin(1, program_.c_str());  // the profile changed and the link reconnected
    log.Record(kPowerOn, kClock);
    EXPECT_FALSE(log.IsOpen());
    std::ifstream in(log_);
    EXPECT_FALSE(in.good()) << "no log file is created";
}

TEST_F(CommLogFile, NoFolderInThePathMeansNoLog)
{
    CCommLog log;
    log.Begin(1, "program.exe");
    EXPECT_FALSE(log.IsOpen());
    log.Record(kPowerOn, kClock);  // harmless
}

TEST(PortChannelTransfer, LoopsOverPartialTransfers)
{
    std::vector<int> asked;
    const long steps[] = {5, 7};
    int call = 0;
    EXPECT_EQ(12, TransferAll(12, [&](int offset, int remaining) -> long {
        asked.push_back(offset * 100 + remaining);
        return steps[call++];
    }));
    EXPECT_EQ((std::vector<int>{12, 507}), asked);
}

TEST(PortChannelTransfer, FailsOnNothingMovedOnErrorAndOnRaise)
{
    int calls = 0;
    EXPECT_EQ(-1, TransferAll(12, [&](int, int) -> long { return ++calls == 1 ? 5 : 0; }));
    EXPECT_EQ(2, calls);
    EXPECT_EQ(-1, TransferAll(12, [](int, int) -> long { return -1; }));
    EXPECT_EQ(-1, TransferAll(12, [](int, int) -> long {
        throw static_cast<CException*>(new CSerialException(5));
    }));
    EXPECT_EQ(0, TransferAll(0, [](int, int) -> long { return -1; }));
    EXPECT_EQ(0, TransferAll(-3, [](int, int) -> long { return -1; }));
}

TEST(SerialException, MessageFromTheSystemOrEmpty)
{
    CSerialException known(5);  // access denied
    char text[256];
    UINT help = 77;
    EXPECT_TRUE(known.GetErrorMessage(text, sizeof(text), &help));
    EXPECT_EQ(0u, help);
    EXPECT_GT(std::strlen(text), 0u);
    char small[4];
    EXPECT_TRUE(known.GetErrorMessage(small, sizeof(small)));
    EXPECT_EQ(3u, std::strlen(small));

    CSerialException unknown(0x7FFFFFF0u);
    std::strcpy(text, "stale");
    EXPECT_FALSE(unknown.GetErrorMessage(text, sizeof(text)));
    EXPECT_STREQ("", text);
    EXPECT_TRUE(known.IsKindOf(RUNTIME_CLASS(CException)));
    EXPECT_STREQ("CSerialException", known.GetRuntimeClass()->m_lpszClassName);
}

TEST(KernelHandle, OwnershipMovesAndTheHandleIsClosedOnce)
{
    CKernelHandle port{INVALID_HANDLE_VALUE};
    EXPECT_FALSE(port.IsValid());
    port.Close();  // nothing held: nothing closed

    CKernelHandle a{nullptr};
    a.Attach(SerialApi::CreateEventA(nullptr, FALSE, FALSE, nullptr));
    ASSERT_TRUE(a.IsValid());
    const HANDLE event = a.Get();
    CKernelHandle b(std::move(a));
    EXPECT_FALSE(a.IsValid());
    EXPECT_EQ(event, b.Get());
    CKernelHandle c{nullptr};
    c = std::move(b);
    EXPECT_FALSE(b.IsValid());
    EXPECT_EQ(event, c.Get());
    // Given up, the handle is still open: closing it here is its one close (a second one, by an
    // owner that kept a copy, would fail or be caught by the sanitizer natively).
    const HANDLE raw = c.Detach();
    EXPECT_FALSE(c.IsValid());
    EXPECT_TRUE(SerialApi::CloseHandle(raw));
}

}  // namespace
