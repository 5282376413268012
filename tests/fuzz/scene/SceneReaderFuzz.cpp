// Any bytes as a scene file: the reader must refuse or accept them without a crash, a leak or
// undefined behaviour. An accepted scene is also written, read and written again (the second
// and third generations must be identical bytes), and every PIP window's device rectangle is
// computed, as restoring the scene would do with values straight from the file.
#include "app/core/scene/SceneFile.h"
#include "app/core/wall/Cell.h"
#include "app/core/wall/WallServices.h"
#include "fx/core/File.h"
#include "tests/unit/wall/QuietWallServices.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// Reads a scene; false when it is refused.
bool load(const std::uint8_t* data, std::size_t size, SceneHeader* header, CCellObjImp& wall)
{
    try {
        CMemFile file(data, static_cast<UINT>(size));
        CArchive ar(&file, CArchive::load, SceneHeader::kArchiveBufferSize);
        readSceneHeader(ar, header);
        if (!header->isValid())
            return false;
        readSceneCells(ar, wall);
        return true;
    } catch (CException* e) {
        e->Delete();
        return false;
    }
}

std::vector<BYTE> save(const SceneHeader& header, CCellObjImp& wall)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store, SceneHeader::kArchiveBufferSize);
        writeScene(ar, header, wall);
        ar.Close();
    }
    return file.Data();
}

void touchWindows(CCellObjImp& wall)
{
    for (CCell* cell : wall.cells()) {
        (void)cell->label();
        for (CCell* pip : cell->pips()) {
            int x, y, w, h;
            cell->deviceRectOf(static_cast<CPIPCell*>(pip), &x, &y, &w, &h);
            (void)pip->label();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QuietWallServices services;
    WallServices::install(&services);
    if (size > (1u << 20))
        return 0;

    SceneHeader header;
    CCellObjImp wall;
    if (!load(data, size, &header, wall))
        return 0;
    touchWindows(wall);

    const std::vector<BYTE> second = save(header, wall);
    SceneHeader again;
    CCellObjImp reloaded;
    if (!load(second.data(), second.size(), &again, reloaded))
        std::abort();  // what we wrote must read back
    const std::vector<BYTE> third = save(again, reloaded);
    if (second != third)
        std::abort();
    return 0;
}
