// A scene file read the way the program reads it (its header and cell readers, the archive with
// the program's buffer), with what the program does not tell the operator: where reading stopped
// and why, named by the file's layout.
#pragma once

#include "app/core/scene/SceneFile.h"
#include "app/core/wall/Cell.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct SceneReport {
    std::string path;
    bool readable = false;  // the file could be opened and read
    std::vector<std::uint8_t> bytes;
    SceneHeader header;
    bool headerComplete = false;  // all 218 header bytes were there
    bool cellsComplete = false;   // the cell list was read to its end
    int cause = 0;                // CArchiveException cause where reading stopped, else 0
    bool outOfMemory = false;
    std::size_t stopAt = 0;                              // the file offset where reading stopped
    std::unique_ptr<CCellObjImp> wall{new CCellObjImp};  // the cells read

    // True when the header passes the program's checks (magic, rows and columns in 1..127).
    bool headerValid() const { return headerComplete && header.isValid(); }
    // Why the program does not take the file (empty when header and cells were read whole):
    // "magic 0x1234 is not 0x637A", "reading stopped at byte 245 (0xF5), in cell 2 (CCell)
    // kind: kind 5 does not match its class", ...
    std::string why() const;
};

// Reads the file. A file that cannot be read leaves readable false.
SceneReport readSceneReport(const std::string& path);
// Reads scene bytes already in memory (the path is only a name).
SceneReport readSceneBytes(const std::string& path, std::vector<std::uint8_t> bytes);
