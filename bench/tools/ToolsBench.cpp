// Time of the integrators' tools on the largest inputs they meet: tzscene's commands on the
// largest wall (127 x 127 panels, one MPD region with 16 PIP windows) and on a typical 4 x 4 wall,
// and tzlog on a full traffic log (the link keeps 2 MiB) with and without its figures. Each
// command runs as the tool's command line does, file reading and output text included.
#include "app/core/scene/SceneFile.h"
#include "app/core/wall/Cell.h"
#include "app/core/wall/WallServices.h"
#include "comm/CommLog.h"
#include "tests/unit/wall/QuietWallServices.h"
#include "tools/tzlog/LogTools.h"
#include "tools/tzscene/SceneTools.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

typedef std::chrono::steady_clock Clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A wall of columns x rows whose first panel is an MPD region with PIP windows, every other
// panel on input 0, saved as the program saves.
bool saveWall(const std::string& path, int columns, int rows, int windows)
{
    QuietWallServices services;
    WallServices::install(&services);
    bool saved = false;
    {
        CCellObjImp wall;
        wall.setLayout(columns, rows, {0, 0, 1270, 762});
        for (CCell* cell : wall.cells())
            cell->setInputType(0);
        CCell* region = wall.cells().GetAt(0);
        region->setMpd(TRUE);
        for (int i = 0; i < windows; ++i)
            wall.addPipTo(region);
        SceneHeader header;
        header.geometry = {rows, columns, 6, 17};
        saved = saveSceneFile(path.c_str(), header, wall) != FALSE;
    }
    WallServices::install(nullptr);
    return saved;
}

// Mean time of a tool's command line over n runs; the exit status and output size of the last.
template <class Run>
void time(const char* name, int n, Run run)
{
    std::string out, err;
    int status = 0;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < n; ++i) {
        out.clear();
        err.clear();
        status = run(out, err);
    }
    std::printf("  %-26s %10.2f ms  (exit %d, %zu bytes out, mean of %d)\n", name,
                msSince(start) / n, status, out.size(), n);
}

void scene(const char* name, const std::string& file, const std::string& folder, int n)
{
    std::printf("%s (%llu bytes)\n", name,
                static_cast<unsigned long long>(std::filesystem::file_size(file)));
    const std::string svg = file + ".svg";
    auto tzscene = [&](std::vector<std::string> args) {
        args.push_back("--profile");
        args.push_back(folder);
        return [args](std::string& out, std::string& err) { return runTzscene(args, out, err); };
    };
    time("check", n, tzscene({"check", file}));
    time("dump", n, tzscene({"dump", file}));
    time("diff with itself", n, tzscene({"diff", file, file}));
    time("render (SVG)", n, tzscene({"render", file, "-o", svg}));
    time("frames at 115200 baud", n, tzscene({"frames", file, "--baud", "115200"}));
    std::filesystem::remove(svg);
}

// A full traffic log: records of a restore's frames until the link's 2 MiB are reached.
std::string fullLog()
{
    const unsigned char frames[][12] = {
        {0xAA, 0xBB, 0x02, 0x01, 0x08, 0x0C, 0x55, 0x55, 0x55, 0x55, 0x55, 0xC0},
        {0xAA, 0xBB, 0x02, 0x08, 0x0A, 0x01, 0x01, 0x01, 0x55, 0x55, 0x55, 0x16},
        {0xAA, 0xBB, 0x00, 0x04, 0x01, 0x33, 0x06, 0x03, 0x07, 0x01, 0x12, 0x5B},
        {0xAA, 0xBB, 0x01, 0x01, 0x82, 0x85, 0x81, 0x00, 0x00, 0x00, 0x00, 0x8A},
    };
    std::string log;
    CommLogTime t = {2012, 1, 7, 3, 6, 0};
    for (int i = 0; log.size() < (2u << 20); ++i) {
        t.second = (i / 20) % 60;
        t.minute = 6 + (i / 1200) % 50;
        char record[CCommLog::RECORD_BUFFER];
        FormatCommLogRecord(frames[i % 4], t, record, sizeof(record));
        log += record;
    }
    return log;
}

}  // namespace

int main()
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "tavelo_tools_bench";
    std::filesystem::create_directories(folder);
    const std::string large = (folder / "large.tzs").string();
    const std::string typical = (folder / "typical.tzs").string();
    if (!saveWall(large, 127, 127, 16) || !saveWall(typical, 4, 4, 4)) {
        std::printf("saving the scenes failed\n");
        return 1;
    }
    // No TzView.ini: each scene is judged on its own, as a service laptop without the
    // installation's profile would.
    scene("tzscene, 127 x 127 wall, 16 PIP windows", large, folder.string(), 3);
    scene("tzscene, 4 x 4 wall, 4 PIP windows", typical, folder.string(), 50);

    const std::string log = (folder / "tzview.log").string();
    std::ofstream(log, std::ios::binary | std::ios::trunc) << fullLog();
    std::printf("tzlog, full traffic log (%llu bytes)\n",
                static_cast<unsigned long long>(std::filesystem::file_size(log)));
    time("lines", 3, [&](std::string& out, std::string& err) { return runTzlog({log}, out, err); });
    time("--stats", 3, [&](std::string& out, std::string& err) {
        return runTzlog({"--stats", log}, out, err);
    });
    std::filesystem::remove_all(folder);
    return 0;
}
