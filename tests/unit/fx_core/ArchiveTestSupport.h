// Storing to and loading from memory, for the archive tests.
#pragma once

#include "fx/core/Archive.h"
#include "fx/core/Collections.h"
#include "tests/unit/fx_core/SampleObjects.h"

#include <set>
#include <vector>

// The bytes of a top-level object list holding these objects.
inline std::vector<BYTE> StoreList(const std::vector<CObject*>& objects, int bufSize = 4096)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store, bufSize);
    ar.WriteCount(static_cast<DWORD>(objects.size()));
    for (CObject* p : objects)
        ar << p;
    ar.Close();
    return file.Data();
}

// Reads a top-level object list; on failure deletes what it had read (each distinct object
// once) and lets the exception go on.
inline std::vector<CObject*> LoadList(const std::vector<BYTE>& bytes, BOOL shared = TRUE,
                                      int bufSize = 4096)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load, bufSize);
    ar.SetSharedObjects(shared);
    std::vector<CObject*> out;
    try {
        for (DWORD n = ar.ReadCount(); n > 0; --n) {
            CObject* p = nullptr;
            ar >> p;
            out.push_back(p);
        }
    } catch (...) {
        std::set<CObject*> distinct(out.begin(), out.end());
        for (CObject* p : distinct)
            delete p;
        throw;
    }
    return out;
}

inline void DeleteDistinct(const std::vector<CObject*>& objects)
{
    std::set<CObject*> distinct(objects.begin(), objects.end());
    for (CObject* p : distinct)
        delete p;
}

// The cause of the CArchiveException that loading raises, or -1 when it loads.
inline int LoadCause(const std::vector<BYTE>& bytes, BOOL shared = TRUE)
{
    try {
        DeleteDistinct(LoadList(bytes, shared));
    } catch (CArchiveException* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}
