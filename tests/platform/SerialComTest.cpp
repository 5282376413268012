// A pseudo-terminal linked as \\.\COMn under Wine behaves as a serial port: the line settings and
// time-outs are accepted, bytes go both ways, and a read with nothing to read returns after its
// time-out with nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <string>

namespace {

class ComPort {
public:
    explicit ComPort(int number)
    {
        const std::string name = "\\\\.\\COM" + std::to_string(number);
        handle_ = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    }
    ~ComPort()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    ComPort(const ComPort&) = delete;
    ComPort& operator=(const ComPort&) = delete;

    HANDLE get() const { return handle_; }
    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

int comNumber()
{
    const char* value = std::getenv("TAVELO_TEST_COM");
    return value ? std::atoi(value) : 0;
}

}  // namespace

TEST(SerialCom, BytesGoBothWaysAndReadTimesOut)
{
    ASSERT_GT(comNumber(), 0) << "run through pty_echo.py";
    ComPort port(comNumber());
    ASSERT_TRUE(port.isOpen()) << GetLastError();

    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    ASSERT_TRUE(GetCommState(port.get(), &dcb));
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    ASSERT_TRUE(SetCommState(port.get(), &dcb));

    COMMTIMEOUTS timeouts{};
    timeouts.ReadTotalTimeoutConstant = 300;
    timeouts.WriteTotalTimeoutConstant = 1000;
    ASSERT_TRUE(SetCommTimeouts(port.get(), &timeouts));
    ASSERT_TRUE(PurgeComm(port.get(), PURGE_RXCLEAR | PURGE_TXCLEAR));

    const unsigned char frame[12] = {0xAA, 0xBB, 0x00, 0x01, 0x55, 0x55,
                                     0x55, 0x55, 0x55, 0x55, 0x55, 0x56};
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(port.get(), frame, sizeof(frame), &written, nullptr));
    ASSERT_EQ(sizeof(frame), written);

    unsigned char reply[12] = {};
    DWORD got = 0;
    DWORD total = 0;
    for (int attempt = 0; attempt < 20 && total < sizeof(reply); ++attempt) {
        ASSERT_TRUE(ReadFile(port.get(), reply + total, sizeof(reply) - total, &got, nullptr));
        total += got;
    }
    ASSERT_EQ(sizeof(reply), total);
    for (size_t i = 0; i < sizeof(frame); ++i)
        EXPECT_EQ(static_cast<unsigned char>(frame[i] ^ 0xFF), reply[i]) << "byte " << i;

    const auto start = std::chrono::steady_clock::now();
    unsigned char nothing[4];
    ASSERT_TRUE(ReadFile(port.get(), nothing, sizeof(nothing), &got, nullptr));
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    EXPECT_EQ(0u, got);
    EXPECT_GE(waited.count(), 250);
}
