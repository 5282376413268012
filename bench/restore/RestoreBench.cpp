// Wall-clock time of the scene restore ("恢复场景") of a 4 x 4 wall whose first panel is an MPD
// region with 16 PIP windows, through TzComm, a serial line and tzsim, against the protocol's
// floor: every frame is followed by a 50 ms pause, plus its wire time at the configured baud rate.
//   native:  restore_bench [BAUD]      (starts the tzsim beside it on its own pseudo-terminal)
//   Windows: tzsim --wall 4x4 --mpd 17 --link PREFIX:58 --dir DIR -- wine64 restore_bench.exe
#include "app/core/command/CommandConfig.h"
#include "app/core/command/CommandRunner.h"
#include "app/core/command/CommandState.h"
#include "app/core/command/CommandWallServices.h"
#include "app/core/command/DeviceLinkHolder.h"
#include "app/core/command/SceneRestoreCommand.h"
#include "app/core/wall/Cell.h"
#include "comm/Comm.h"
#include "tests/integration/device/SimulatorLink.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const int kPips = 16;

class BenchConfig : public CommandConfig {
public:
    int MpdCount() const override { return kPips + 1; }
    int Resolution() const override { return 5; }
    void MpdPixelSize(int* w, int* h) const override { *w = 1920; *h = 1080; }
    int MatrixMaker(int) const override { return 0; }
    int MatrixAddress(int) const override { return 0; }
    int MatrixPort(int, int entry) const override { return entry % 255 + 1; }
    void SubGrid(int* rows, int* columns) const override { *rows = 4; *columns = 4; }
    CString MatrixInputName(int, int) const override { return CString(); }
};

int CountFrames(const std::string& trace)
{
    int frames = 0;
    std::istringstream in(trace);
    std::string line;
    while (std::getline(in, line))
        if (line.find(" AA BB ") != std::string::npos)
            ++frames;
    return frames;
}


}  // namespace

int main(int argc, char** argv)
{
    if (!device_test::underSimulator()) {
#ifdef _WIN32
        std::fprintf(stderr, "run under tzsim: tzsim --wall 4x4 --mpd 17 --link PREFIX:58 --dir DIR "
                             "-- wine64 restore_bench.exe [BAUD]\n");
        return 64;
#else
        return device_test::relaunchUnderSimulator(argv, "restore_bench", {"--wall", "4x4", "--mpd", "17", "--com", "58"});
#endif
    }
    const int baud = argc > 1 ? std::atoi(argv[1]) : 115200;
    std::ofstream("com.ini") << "[comm]\r\ncommport=58\r\ntimeout=10\r\nbaudrate=" << baud << "\r\n";
    if (!loadDeviceLink() || deviceLink()->Connect(".") != 0) {
        std::fprintf(stderr, "restore_bench: the device link did not open COM58\n");
        return 1;
    }
    BenchConfig config;
    CommandConfig::Install(&config);
    CommandWallServices services;
    WallServices::install(&services);
    ThreadPresenter presenter;
    ProgressPresenter::Install(&presenter);

    // The wall is built without the device: PIP windows go straight into the region.
    CCellObjImp wall;
    wall.setLayout(4, 4, WallRect{0, 0, 1600, 900});
    CCell* region = wall.cells().GetAt(0);
    region->setMpd(TRUE);
    for (int i = 0; i < kPips; ++i) {
        WallRect rc;
        CCellObjImp::subGridSlot(region, i, &rc);
        CPIPCell* pip = new CPIPCell;
        pip->setRect(rc);
        pip->setNumber(i + 2);
        pip->setInputType(i % 7);
        region->addPip(pip);
    }
    for (CCell* cell : wall.cells())
        if (cell != region)
            cell->setInputType(0);

    CSceneRestoreCommand restore(wall.cells());
    const auto start = std::chrono::steady_clock::now();
    const int result = runDirect(restore);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (result != RUN_OK) {
        std::fprintf(stderr, "restore_bench: restore failed: %s\n", restore.Message().ToUtf8().c_str());
        return 1;
    }
    const std::string trace = device_test::waitForTrace("SetLayout panel 16");
    const int frames = CountFrames(trace);
    const double wire = frames * 12 * 10.0 / baud;    // start, 8 data and stop bit per byte
    const double floor = frames * 0.050 + wire;
    std::printf("restore of a 4x4 wall with %d PIP windows at %d baud\n", kPips, baud);
    std::printf("  frames on the line      %d (counted commands %d)\n", frames, g_nCommandCount);
    std::printf("  wall-clock              %.3f s\n", seconds);
    std::printf("  floor (50 ms + wire)    %.3f s  (wire %.3f s)\n", floor, wire);
    std::printf("  overhead above floor    %.3f s  (%.2f ms per frame, %.1f %%)\n", seconds - floor,
                frames ? (seconds - floor) * 1000.0 / frames : 0.0,
                floor > 0 ? (seconds - floor) * 100.0 / floor : 0.0);
    unloadDeviceLink();
    return 0;
}
