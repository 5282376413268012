// Store and load time of an object list of 100,000 small objects through CArchive (buffer
// 4096, as scene files use), to a real file and to memory. Each object carries what a cell
// carries: a rectangle, flags, 16-bit and 32-bit fields and an empty child list.
#include "fx/core/Archive.h"
#include "fx/core/File.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
class CBenchCell : public CObject {
    DECLARE_SERIAL(CBenchCell)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_rect[0] << m_rect[1] << m_rect[2] << m_rect[3] << m_flags << m_isMpd
               << m_number << m_order << m_inputType << m_inputNo << m_kind;
            ar.WriteCount(0);
        } else {
            ar >> m_rect[0] >> m_rect[1] >> m_rect[2] >> m_rect[3] >> m_flags >> m_isMpd >>
                m_number >> m_order >> m_inputType >> m_inputNo >> m_kind;
            if (ar.ReadCount() != 0)
                AfxThrowArchiveException(CArchiveException::badIndex);
        }
    }
    LONG m_rect[4] = {0, 0, 0, 0};
    DWORD m_flags = 0;
    WORD m_isMpd = 0;
    LONG m_number = 0, m_order = 0, m_inputType = 12, m_inputNo = 0;
    WORD m_kind = 0;
};
IMPLEMENT_SERIAL(CBenchCell, CObject, 0)

const int kObjects = 100000;
const int kRounds = 5;
const char kPath[] = "archive_bench.tmp";

using Clock = std::chrono::steady_clock;
double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void Store(CFile& file, const std::vector<CBenchCell*>& cells)
{
    CArchive ar(&file, CArchive::store, 4096);
    ar.SetSharedObjects(FALSE);
    ar.WriteCount(static_cast<DWORD>(cells.size()));
    for (CBenchCell* c : cells)
        ar << c;
    ar.Close();
}

std::vector<CObject*> Load(CFile& file)
{
    CArchive ar(&file, CArchive::load, 4096);
    ar.SetSharedObjects(FALSE);
    std::vector<CObject*> out;
    for (DWORD n = ar.ReadCount(); n > 0; --n) {
        CBenchCell* cell = nullptr;
        ar >> cell;
        out.push_back(cell);
    }
    return out;
}

struct Figures {
    std::vector<double> store, load;
    DWORD bytes = 0;
};

void Report(const char* what, Figures& f)
{
    std::sort(f.store.begin(), f.store.end());
    std::sort(f.load.begin(), f.load.end());
    std::printf("%-8s %8lu bytes  store best %7.2f ms median %7.2f ms (%5.0f ns/object)  "
                "load best %7.2f ms median %7.2f ms (%5.0f ns/object)\n",
                what, static_cast<unsigned long>(f.bytes), f.store.front(), f.store[kRounds / 2],
                f.store.front() * 1e6 / kObjects, f.load.front(), f.load[kRounds / 2],
                f.load.front() * 1e6 / kObjects);
}
}  // namespace

int main()
{
    std::vector<CBenchCell*> cells;
    for (int i = 0; i < kObjects; ++i) {
        CBenchCell* c = new CBenchCell;
        c->m_rect[0] = i % 640;
        c->m_rect[1] = i % 480;
        c->m_rect[2] = c->m_rect[0] + 40;
        c->m_rect[3] = c->m_rect[1] + 30;
        c->m_number = c->m_order = i + 1;
        cells.push_back(c);
    }

    Figures disk, memory;
    try {
        for (int round = 0; round < kRounds; ++round) {
            {
                CFile out(kPath, CFile::modeCreate | CFile::modeWrite);
                const Clock::time_point t0 = Clock::now();
                Store(out, cells);
                out.Close();
                disk.store.push_back(Ms(Clock::now() - t0));
            }
            {
                CFile in(kPath, CFile::modeRead | CFile::shareDenyWrite);
                disk.bytes = in.GetLength();
                const Clock::time_point t0 = Clock::now();
                std::vector<CObject*> back = Load(in);
                disk.load.push_back(Ms(Clock::now() - t0));
                if (back.size() != cells.size())
                    return 1;
                for (CObject* p : back)
                    delete p;
            }
            CMemFile mem;
            Clock::time_point t0 = Clock::now();
            Store(mem, cells);
            memory.store.push_back(Ms(Clock::now() - t0));
            memory.bytes = mem.GetLength();
            CMemFile view(mem.Data().data(), static_cast<UINT>(mem.Data().size()));
            t0 = Clock::now();
            std::vector<CObject*> back = Load(view);
            memory.load.push_back(Ms(Clock::now() - t0));
            for (CObject* p : back)
                delete p;
        }
    } catch (CException* e) {
        char text[256];
        e->GetErrorMessage(text, sizeof text);
        std::fprintf(stderr, "archive bench failed: %s\n", text);
        e->Delete();
        return 1;
    }
    CFile::Remove(kPath);
    for (CBenchCell* c : cells)
        delete c;

    std::printf("archive: object list of %d small objects, buffer 4096, %d rounds\n", kObjects,
                kRounds);
    Report("file", disk);
    Report("memory", memory);
    return 0;
}
