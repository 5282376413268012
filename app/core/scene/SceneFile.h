// The scene file (".tzs"): a fixed header with the wall geometry the scene was made for, then the
// wall's top-level cells as an object list of the framework archive (buffer 4096 bytes).
//
//   offset 0    magic, 16-bit: 0x637A
//   offset 2    200 reserved bytes, zero
//   offset 202  rows, columns, resolution index, MPD count: 32-bit signed each
//   offset 218  the cell list
#pragma once

#include "fx/core/Archive.h"

class CCellObjImp;

// The four values a scene file carries about the wall it was made for (working SystemConfig).
struct SceneGeometry {
    int rows = 1;
    int columns = 1;
    int resolution = -1;
    int mpdCount = 0;
};

struct SceneHeader {
    static const short kMagic = 0x637A;
    static const int kReservedBytes = 200;
    static const int kMaxRowsOrColumns = 127;
    static const int kArchiveBufferSize = 4096;

    short magic = kMagic;
    SceneGeometry geometry;

    // The magic is right and rows and columns both lie in 1..127.
    bool isValid() const;
};

// Writes the header and the wall's cells. Saving deselects every cell (the selected bit is
// cleared in memory before a cell is written).
void writeScene(CArchive& ar, const SceneHeader& header, CCellObjImp& wall);
// Reads the 218-byte header; raises CArchiveException when the data ends inside it.
void readSceneHeader(CArchive& ar, SceneHeader* header);
// Reads the cell list into wall (which it replaces). The list must form a tree: no object may
// be referred to twice. Raises CArchiveException on a malformed or truncated list.
void readSceneCells(CArchive& ar, CCellObjImp& wall);

// Writes a scene to a temporary file in the target's folder and replaces the target only after
// the whole file was written and flushed, so a failure never destroys the previous scene.
// Returns FALSE on any failure (the temporary file is removed then).
BOOL saveSceneFile(LPCSTR path, const SceneHeader& header, CCellObjImp& wall);

// Replaces target by source (same folder) in one step; FALSE on failure. Platform-specific.
BOOL replaceSceneFile(LPCSTR source, LPCSTR target);
