// libFuzzer target "archive_reader": reads any bytes as a top-level object list with the
// archive, as a scene file's cell list is read (only sample objects accepted, as only cells are
// there). The first byte chooses how: bit 0 allows shared references (nodes then own nothing
// and every object is freed here), bits 1-2 the buffer size. Any input must end in success or
// an archive or memory exception; ASan reports anything freed twice or leaked.
#include "fx/core/Archive.h"
#include "tests/unit/fx_core/SampleObjects.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {
const int kBufferSizes[4] = {4096, 16, 17, 300};

void ReadList(const std::uint8_t* data, std::size_t size, bool shared, int bufSize)
{
    CMemFile file(data, static_cast<UINT>(size));
    CArchive ar(&file, CArchive::load, bufSize);
    ar.SetSharedObjects(shared ? TRUE : FALSE);
    std::vector<CObject*> read;
    try {
        for (DWORD n = ar.ReadCount(); n > 0; --n) {
            CObject* p = ar.ReadObject(RUNTIME_CLASS(CSampleBase));
            read.push_back(p);
            if (p != nullptr && !p->IsKindOf(RUNTIME_CLASS(CSampleBase)))
                std::abort();  // the class check was bypassed
        }
    } catch (CArchiveException* e) {
        e->Delete();
    } catch (CMemoryException* e) {
        e->Delete();
    }
    if (!shared) {
        // A tree: each object was handed out once, and nodes free their children.
        for (CObject* p : read)
            delete p;
    }
    // What is left is owned by no one by design (link targets, every object of a shared graph).
    CSampleBase::DeleteAllLive();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool shared = (data[0] & 1) != 0;
    const int bufSize = kBufferSizes[(data[0] >> 1) & 3];
    CNode::s_bOwnsChildren = !shared;
    ReadList(data + 1, size - 1, shared, bufSize);
    return 0;
}
