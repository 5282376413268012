// Load and save time of scene files: the largest wall (127 x 127 panels, one MPD region with 16
// PIP windows) and a typical 4 x 4 wall. Saving goes through the temporary file and the
// replacement, as the program saves; loading reads, checks and builds a new wall.
#include "app/core/scene/SceneFile.h"
#include "app/core/wall/Cell.h"
#include "app/core/wall/WallServices.h"
#include "fx/core/File.h"
#include "tests/unit/wall/QuietWallServices.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

typedef std::chrono::steady_clock Clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool loadFile(const char* path, CCellObjImp& wall)
{
    try {
        CFile file(path, CFile::modeRead | CFile::shareDenyWrite);
        CArchive ar(&file, CArchive::load, SceneHeader::kArchiveBufferSize);
        SceneHeader header;
        readSceneHeader(ar, &header);
        if (!header.isValid())
            return false;
        readSceneCells(ar, wall);
        return true;
    } catch (CException* e) {
        e->Delete();
        return false;
    }
}

void run(const char* name, int columns, int rows, int windows, int combined, int iterations,
         const std::string& path)
{
    CCellObjImp wall;
    wall.setLayout(columns, rows, {0, 0, 1270, 762});
    // Combine pairs of cells along the bottom row, then fill the first cell with windows.
    for (int i = 0; i < combined; ++i) {
        const int base = wall.cells().GetCount() - 2 - 2 * i;
        wall.select(wall.cells().GetAt(base), FALSE);
        wall.select(wall.cells().GetAt(base + 1), TRUE);
        wall.combineSelected(wall.cells().GetAt(base));
    }
    CCell* region = wall.cells().GetAt(0);
    region->setMpd(TRUE);
    for (int i = 0; i < windows; ++i)
        wall.addPipTo(region);

    SceneHeader header;
    header.geometry = {rows, columns, 6, 17};
    double saveMs = 0;
    for (int i = 0; i < iterations; ++i) {
        const Clock::time_point start = Clock::now();
        if (!saveSceneFile(path.c_str(), header, wall)) {
            std::printf("%s: save failed\n", name);
            return;
        }
        saveMs += msSince(start);
    }
    double loadMs = 0;
    int cells = 0;
    for (int i = 0; i < iterations; ++i) {
        CCellObjImp loaded;
        const Clock::time_point start = Clock::now();
        if (!loadFile(path.c_str(), loaded)) {
            std::printf("%s: load failed\n", name);
            return;
        }
        loadMs += msSince(start);
        cells = loaded.cells().GetCount();
    }
    const auto bytes = std::filesystem::file_size(path);
    std::printf("%-28s %6d top-level cells %8llu bytes  save %9.3f ms  load %9.3f ms  (mean of %d)\n",
                name, cells, static_cast<unsigned long long>(bytes), saveMs / iterations,
                loadMs / iterations, iterations);
}

}  // namespace

int main()
{
    QuietWallServices services;
    WallServices::install(&services);
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tavelo_scene_bench";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "bench.tzs").string();

    run("127 x 127, 16 PIP windows", 127, 127, 16, 0, 10, path);
    run("4 x 4, 2 combined, 4 PIP", 4, 4, 4, 2, 500, path);

    std::filesystem::remove_all(folder);
    WallServices::install(nullptr);
    return 0;
}
