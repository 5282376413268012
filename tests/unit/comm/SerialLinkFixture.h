// A device link connected through a real serial line to line_peer.py: the profile, the link
// object made by CreateComm, and helpers to compare what arrived on the line.
#pragma once

#include "comm/Comm.h"
#include "comm/SerialComm.h"
#include "tests/unit/comm/LinePeer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

extern "C" CComm* CreateComm();

// Calls interface slot n (1..52) straight through the table of virtual operations, so a test
// pins the slot order and not just the names. With the Itanium layout that gcc and MinGW use,
// the destructor (slot 0) takes the first two entries of the table.
template <class... Args>
int CallSlot(CComm* comm, int slot, Args... args)
{
    typedef int (*Entry)(CComm*, Args...);
    void** table = *reinterpret_cast<void***>(comm);
    return reinterpret_cast<Entry>(table[slot + 1])(comm, args...);
}

// Time measured in a test: a high-resolution clock, never GetTickCount, whose 10-16 ms steps
// would eat a bound's whole margin.
class Stopwatch {
public:
    Stopwatch() : start_(std::chrono::steady_clock::now()) {}
    double Ms() const
    {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
    }

private:
    std::chrono::steady_clock::time_point start_;
};

// The link pauses with Sleep and waits with the port's time-outs, both served by the system
// timer: a wait that ends on a tick boundary can come in up to one tick (10-16 ms) short of its
// nominal length, so a lower bound on a measured wait allows one tick.
constexpr double kTimerTickMs = 16.0;

class SerialLink : public ::testing::Test {
public:
    // The full frame (12 bytes) for bytes 2..10 given in hex, with the checksum of the sum rule.
    static std::vector<unsigned char> Sealed(const std::string& body);

protected:
    void SetUp() override;
    void TearDown() override;

    // Writes "com.ini" into the profile folder ("timeout" and "baudrate" left out when < 0).
    void WriteProfile(int port, int timeout, int baudRate, int log);
    // Writes "com.ini" with the matrix delay into the program's folder.
    static void WriteMatrixDelay(int delayMs);
    // Waits for n bytes and checks they are exactly the expected ones.
    void ExpectLine(const std::vector<unsigned char>& expected, int timeoutMs = 3000);
    // What the program's traffic log holds.
    static std::string LogContents();

    LinePeer peer_;
    std::string profileDir_;
    CComm* comm_ = nullptr;
};
