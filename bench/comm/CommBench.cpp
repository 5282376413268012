// comm_bench: the time one SendFrame takes on a real serial line against its floor (the 50 ms
// pause plus the frame's wire time), and the wire time of a frame at 9600 and 115200 baud.
//
// Natively the bench opens its own pseudo-terminal and drains it; under Wine run it through
// tests/unit/comm/line_peer.py, which provides the port (TAVELO_TEST_COM):
//   comm_bench [FRAMES]
#include "comm/PortChannel.h"
#include "comm/SerialComm.h"
#include "fx/seam/Win32Seam.h"

#include <chrono>
#include <memory>
#include <cstdio>
#include <cstdlib>
#include <string>

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <thread>
#endif

namespace {

// 12 bytes, each 1 start + 8 data + 1 stop bit.
double WireMs(int baud)
{
    return 12.0 * 10.0 * 1000.0 / baud;
}

#ifndef _WIN32
// The far end: a pseudo-terminal whose slave becomes COM<number>, drained as frames arrive.
class OwnLine {
public:
    explicit OwnLine(int number)
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
            return;
        const std::string variable = "TAVELO_COM" + std::to_string(number);
        setenv(variable.c_str(), ptsname(master_), 1);
        drain_ = std::thread([this] {
            char buffer[256];
            while (!stop_) {
                pollfd p{master_, POLLIN, 0};
                if (poll(&p, 1, 50) > 0 && read(master_, buffer, sizeof(buffer)) < 0)
                    usleep(1000);
            }
        });
    }
    ~OwnLine()
    {
        stop_ = true;
        if (drain_.joinable())
            drain_.join();
        if (master_ >= 0)
            close(master_);
    }
    bool Ok() const { return master_ >= 0; }

private:
    int master_ = -1;
    std::atomic<bool> stop_{false};
    std::thread drain_;
};
#endif

}  // namespace

int main(int argc, char** argv)
{
    const int frames = argc > 1 ? std::atoi(argv[1]) : 40;
    int com = 0;
    if (const char* given = std::getenv("TAVELO_TEST_COM"))
        com = std::atoi(given);
#ifndef _WIN32
    std::unique_ptr<OwnLine> own;
    if (com == 0) {
        com = 42;
        own.reset(new OwnLine(com));
        if (!own->Ok()) {
            std::fprintf(stderr, "comm_bench: no pseudo-terminal\n");
            return 1;
        }
    }
#endif
    if (com == 0 || frames <= 0) {
        std::fprintf(stderr, "usage: comm_bench [FRAMES] (under Wine through line_peer.py)\n");
        return 1;
    }

    std::printf("frame wire time: %.3f ms at 9600 baud, %.3f ms at 115200 baud\n", WireMs(9600),
                WireMs(115200));
    for (int baud : {9600, 115200}) {
        CSerialComm link;
        link.Channel().SetPort(com);
        link.Channel().SetBaudRate(static_cast<DWORD>(baud));
        link.Channel().SetTimeout(10);
        if (!link.Channel().Open()) {
            std::fprintf(stderr, "comm_bench: COM%d does not open\n", com);
            return 1;
        }
        const auto start = std::chrono::steady_clock::now();
        int failures = 0;
        for (int i = 0; i < frames; ++i)
            failures += link.SetPower(i & 1) != COMM_OK;
        const double total = std::chrono::duration<double, std::milli>(
                                 std::chrono::steady_clock::now() - start).count();
        const double per = total / frames;
        const double floor = 50.0 + WireMs(baud);
        std::printf("SendFrame at %6d baud: %.3f ms per frame (%d frames)%s\n"
                    "  floor on a real port %.3f ms (50 ms pause + %.3f ms wire); a "
                    "pseudo-terminal does not pace the wire, so here the floor is the pause: "
                    "%+.3f ms above it\n",
                    baud, per, frames, failures ? ", SOME FAILED" : "", floor, WireMs(baud),
                    per - 50.0);
    }
    return 0;
}
