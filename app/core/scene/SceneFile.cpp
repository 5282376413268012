#include "app/core/scene/SceneFile.h"

#include "app/core/wall/Cell.h"
#include "fx/core/File.h"

#include <cstring>

bool SceneHeader::isValid() const
{
    return magic == kMagic && geometry.rows >= 1 && geometry.rows <= kMaxRowsOrColumns &&
           geometry.columns >= 1 && geometry.columns <= kMaxRowsOrColumns;
}

void writeScene(CArchive& ar, const SceneHeader& header, CCellObjImp& wall)
{
    ar << header.magic;
    BYTE reserved[SceneHeader::kReservedBytes];
    std::memset(reserved, 0, sizeof reserved);
    ar.Write(reserved, sizeof reserved);
    ar << header.geometry.rows << header.geometry.columns << header.geometry.resolution
       << header.geometry.mpdCount;
    wall.Serialize(ar);
}

void readSceneHeader(CArchive& ar, SceneHeader* header)
{
    ar >> header->magic;
    BYTE reserved[SceneHeader::kReservedBytes];
    if (ar.Read(reserved, sizeof reserved) != sizeof reserved)
        AfxThrowArchiveException(CArchiveException::endOfFile);
    ar >> header->geometry.rows >> header->geometry.columns >> header->geometry.resolution >>
        header->geometry.mpdCount;
}

void readSceneCells(CArchive& ar, CCellObjImp& wall)
{
    // Cells own their windows and members: an object handed out twice would be deleted twice.
    ar.SetSharedObjects(FALSE);
    wall.Serialize(ar);
}

BOOL saveSceneFile(LPCSTR path, const SceneHeader& header, CCellObjImp& wall)
{
    const CString temporary = CString(path) + ".tmp";
    bool created = false;
    try {
        CFile file(temporary, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        created = true;
        {
            CArchive ar(&file, CArchive::store, SceneHeader::kArchiveBufferSize);
            try {
                writeScene(ar, header, wall);
                ar.Close();
            } catch (...) {
                ar.Abort();
                throw;
            }
        }
        file.Flush();
        file.Close();
    } catch (CException* e) {
        e->Delete();
        if (created) {
            try {
                CFile::Remove(temporary);
            } catch (CException* e2) {
                e2->Delete();
            }
        }
        return FALSE;
    }
    if (!replaceSceneFile(temporary, path)) {
        try {
            CFile::Remove(temporary);
        } catch (CException* e) {
            e->Delete();
        }
        return FALSE;
    }
    return TRUE;
}
